#include "LWFeatureModel.h"

#include "LWFeatureKind.h"
#include "LWFeatureRemoveUndoCommand.h"
#include "common/LWFolderUtil.h"
#include "common/LWJsonFile.h"
#include "navigation/LWNaviTreeItem.h"
#include "undo/LWUndoStack.h"
#include "package/LWPackageConfig.h"

#include <QDir>
#include <QFileInfo>
#include <QUuid>

LWFeatureModel::LWFeatureModel(LWFeatureContainer *container)
    : m_container(container)
{
}

LWFeatureModel::LWFeatureModel(LWFeatureContainer *container, int zOrder, const QString &path)
    : m_container(container)
    , m_zOrder(zOrder)
    , m_path(path)
{
    if (!m_path.isEmpty())
        readFolderContent();
    m_generatedTag = name();
}

LWFeatureModel::~LWFeatureModel()
{
    // A feature deleted while still listed must not stay behind as a
    // dangling entry.
    if (m_container)
        m_container->removeModel(this);
}

QString LWFeatureModel::templateFolder(LWEffectCommon::LWFeatureType type)
{
    const LWFeatureKind *kind = LWFeatureKinds::find(type);
    return kind ? kind->templateFolder : QString();
}

QString LWFeatureModel::name() const
{
    const QStringList parts = m_path.split(QLatin1Char('/'));
    return parts.size() >= 2 ? parts.at(parts.size() - 2) : QString();
}

QString LWFeatureModel::newTag()
{
    const QString id = QUuid::createUuid().toString().remove(QLatin1Char('{')).remove(QLatin1Char('}')).remove(QLatin1Char('-'));
    m_generatedTag = QStringLiteral("%1_%2").arg(name(), id);
    return m_generatedTag;
}

QString LWFeatureModel::localAbsolutePath() const
{
    return (m_container ? m_container->absolutePath() : QString()) + QLatin1Char('/') + m_path;
}

void LWFeatureModel::removeLocalFolder()
{
    // Without a folder of its own the path would name the effect folder.
    if (m_path.isEmpty() || !m_container)
        return;
    const QString folder = localAbsolutePath();
    if (QFileInfo(folder).isDir())
        LWFolderUtil::removeFolder(folder);
}

void LWFeatureModel::readFolderContent()
{
    const QString folderName = m_path.section(QLatin1Char('/'), 0, 0);
    m_contentJson = LWJsonFile::read(localAbsolutePath() + LWPackageConfig::contentFileName(folderName));
    const QJsonValue tag = m_contentJson.value(QStringLiteral("tag"));
    if (tag.isString())
        m_tag = tag.toString();
}

void LWFeatureModel::loadContentFile()
{
    readFolderContent();
    if (!m_contentJson.isEmpty())
        return;
    const QString folder = templateFolder(m_featureType);
    const QString folderName = folder.section(QLatin1Char('/'), 0, 0);
    m_contentJson = LWJsonFile::read(QStringLiteral(":/FeatureTemplates/") + folder + LWPackageConfig::contentFileName(folderName));
    const QJsonValue tag = m_contentJson.value(QStringLiteral("tag"));
    if (tag.isString())
        m_tag = tag.toString();
}

QJsonValue LWFeatureModel::saveFeature(const SaveParam &param)
{
    if (param.bSaveProject) {
        m_contentJson.insert(QStringLiteral("tag"), newTag());
        return projectRecord();
    }
    exportContentFile(param);
    return QJsonValue();
}

bool LWFeatureModel::exportContentFile(const SaveParam &param)
{
    if (param.path.isEmpty())
        return false;
    const QString folder = param.path + QLatin1Char('/') + m_path;
    QDir().mkpath(folder);
    m_contentJson.insert(QStringLiteral("tag"), newTag());
    const QJsonObject requirements = getFeatureRequirements();
    if (!requirements.isEmpty())
        m_contentJson.insert(QStringLiteral("requirement"), requirements);
    const QString folderName = m_path.section(QLatin1Char('/'), 0, 0);
    return LWJsonFile::write(folder + LWPackageConfig::contentFileName(folderName), m_contentJson);
}

QJsonObject LWFeatureModel::projectRecord()
{
    QJsonObject record{{QStringLiteral("type"), LWEffectCommon::featurePackageName(m_featureType)},
                       {QStringLiteral("zorder"), m_zOrder},
                       {QStringLiteral("path"), m_path},
                       {QStringLiteral("contentFile"), m_contentJson}};
    if (LWNaviTreeItem *item = asNaviTreeItem()) {
        record.insert(QStringLiteral("name"), item->title());
        record.insert(QStringLiteral("checked"), item->checked());
    }
    return record;
}

void LWFeatureModel::readProjectRecord(const QJsonObject &record)
{
    const QJsonValue content = record.value(QStringLiteral("contentFile"));
    if (content.isObject())
        m_contentJson = content.toObject();
    const QJsonValue tag = m_contentJson.value(QStringLiteral("tag"));
    if (tag.isString())
        m_tag = tag.toString();
    if (LWNaviTreeItem *item = asNaviTreeItem()) {
        const QJsonValue name = record.value(QStringLiteral("name"));
        if (name.isString() && !name.toString().isEmpty())
            item->setTitle(name.toString());
        const QJsonValue checked = record.value(QStringLiteral("checked"));
        if (checked.isBool())
            item->setChecked(checked.toBool());
    }
}

void LWFeatureModel::raiseSdkVersion(const QString &version)
{
    if (LWPackageConfig::compareVersions(version, m_sdkVersion) > 0)
        m_sdkVersion = version;
}

void LWFeatureModel::onActionRemoveFeature()
{
    LWUndoStack::instance()->push(new LWFeatureRemoveUndoCommand(this));
}
