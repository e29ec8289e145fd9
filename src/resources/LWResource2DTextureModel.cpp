#include "LWResource2DTextureModel.h"

#include "LWResource2DTextureFrameModel.h"
#include "LWResourceManager.h"
#include "common/LWEffectCommon.h"
#include "inspector/LWInspectorViewModel.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QImageReader>

std::shared_ptr<LWResource2DTextureModel> LWResource2DTextureModel::create(const RecordPtr &record)
{
    if (!record)
        return nullptr;
    std::shared_ptr<LWResource2DTextureModel> model;
    if (record->type == LWEffectCommon::LWResourceType2DTexture)
        model = std::make_shared<LWResource2DTextureModel>(record);
    else if (record->type == LWEffectCommon::LWResourceType2DTextureFrame)
        model = std::make_shared<LWResource2DTextureFrameModel>(record);
    if (model)
        model->build();
    return model;
}

LWResource2DTextureModel::LWResource2DTextureModel(const RecordPtr &record)
    : m_record(record)
    , m_resourceId(record->resourceId)
    , m_name(record->name)
    , m_type(record->type)
    , m_sourceFilePath(record->sourceFilePath)
    , m_subtype(record->subtype)
{
}

LWResource2DTextureModel::~LWResource2DTextureModel() = default;

QString LWResource2DTextureModel::resourcesFolder()
{
    return LWResourceManager::instance()->resourcesFolder();
}

void LWResource2DTextureModel::build()
{
    setSourceFilePath(m_sourceFilePath);
    m_inspector = LWInspectorViewModel::fromProfile(profilePath(), inspectorData(), this);
}

QString LWResource2DTextureModel::imagePathFor(const QString &sourceFilePath) const
{
    return resourcesFolder() + sourceFilePath;
}

void LWResource2DTextureModel::setSourceFilePath(const QString &sourceFilePath)
{
    m_sourceFilePath = sourceFilePath;
    m_imagePath = imagePathFor(sourceFilePath);
    m_size = QFileInfo(m_imagePath).isFile() ? QImageReader(m_imagePath).size() : QSize();
}

QJsonObject LWResource2DTextureModel::inspectorData() const
{
    return {{QStringLiteral("texture2d"), m_imagePath}};
}

QJsonValue LWResource2DTextureModel::value(QString dataId)
{
    if (dataId == QLatin1String("resourceId"))
        return m_resourceId;
    return inspectorData().value(dataId);
}

void LWResource2DTextureModel::dataChanged(QString id, QJsonValue value, QJsonValue)
{
    if (id != QLatin1String("texture2d") || !value.isArray())
        return;
    QStringList images;
    for (const QJsonValue &path : value.toArray())
        images << path.toString();
    LWResourceManager::instance()->replaceImages(m_resourceId, images);
}

void LWResource2DTextureModel::reload()
{
    const RecordPtr current = record();
    if (!current)
        return;
    m_name = current->name;
    setSourceFilePath(current->sourceFilePath);
    if (m_inspector)
        m_inspector->notifyChildren(4, QJsonObject{{QStringLiteral("resourceChanged"), m_imagePath}});
}

bool LWResource2DTextureModel::qualify(int constraint, QString *error) const
{
    return qualifyImage(m_imagePath, constraint, error);
}
