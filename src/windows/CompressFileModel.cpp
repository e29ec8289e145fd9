#include "CompressFileModel.h"

CompressFileModel::CompressFileModel(const QString &resourceId, const QString &fileName, QObject *parent)
    : QObject(parent)
    , m_resourceId(resourceId)
    , m_fileName(fileName)
{
}
