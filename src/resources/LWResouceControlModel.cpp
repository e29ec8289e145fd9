#include "LWResouceControlModel.h"

#include "LWResourceImageCheck.h"

LWResouceControlModel::~LWResouceControlModel() = default;

bool LWResouceControlModel::qualifyImage(const QString &imagePath, int constraint, QString *error)
{
    return LWResourceImageCheck::checkTextureConstraint(imagePath, constraint, error);
}
