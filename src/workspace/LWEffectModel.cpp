#include "LWEffectModel.h"

#include "LWFeatureAddUndoCommand.h"
#include "package/LWPackageConfig.h"
#include "common/LWDataPaths.h"
#include "common/LWFolderUtil.h"
#include "common/LWJsonFile.h"
#include "common/LWUsageEvents.h"
#include "common/PostEventOffice.h"
#include "features/LWFeatureFactory.h"
#include "features/LWFeatureKind.h"
#include "undo/LWUndoStack.h"

#include <QDebug>
#include <QHash>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QRegularExpression>
#include <algorithm>

namespace {

const QString kEffectFile = QStringLiteral("effect.json");

LWEffectModel::MusicImporter &musicImporter()
{
    static LWEffectModel::MusicImporter importer;
    return importer;
}

// The effect document's record a feature of the type is kept as ("bgm"),
// empty for a feature with a folder and a Link entry.
QString effectRecordKey(LWEffectCommon::LWFeatureType type)
{
    const LWFeatureKind *kind = LWFeatureKinds::find(type);
    return kind ? kind->effectRecordKey : QString();
}

// A folder path of a project's Link entry that does not stay inside the
// effect folder.
bool leavesFolder(const QString &path)
{
    const QString clean = QDir::cleanPath(path);
    return QDir::isAbsolutePath(path) || path.contains(QLatin1Char('\\')) || clean == QLatin1String("..")
           || clean.startsWith(QLatin1String("../"));
}

void postFeatureCountsChanged()
{
    PostEventOffice::instance()->sendEvent(LWEditorEventFeatureCountsChanged, LWEditorEventData{});
}

} // namespace

LWEffectModel::LWEffectModel(const QString &folder, QObject *parent)
    : LWNaviTreeItem(parent)
    , m_folder(folder)
{
    setNaviItemIcon(QStringLiteral("qrc:/LWViewCommon/images/effectIcon.png"));
}

LWEffectModel::~LWEffectModel()
{
    // Features are our QObject children, listed or held by an undo command.
    // Cut them loose from the list before it goes away, then delete them
    // while this object is still whole.
    const QObjectList kids = children();
    QList<QObject *> features;
    for (QObject *child : kids) {
        if (auto *feature = dynamic_cast<LWFeatureModel *>(child)) {
            feature->setContainer(nullptr);
            features.append(child);
        }
    }
    m_models.clear();
    qDeleteAll(features);
}

void LWEffectModel::setMusicImporter(MusicImporter importer)
{
    musicImporter() = std::move(importer);
}

LWEffectModel *LWEffectModel::load(const QString &folder, QObject *parent)
{
    auto *effect = new LWEffectModel(folder, parent);
    const QFileInfo file(folder + QLatin1Char('/') + kEffectFile);
    effect->loadDocument(file.isFile() ? LWJsonFile::read(file.filePath()) : QJsonObject());
    return effect;
}

void LWEffectModel::loadDocument(const QJsonObject &document)
{
    m_document = document;
    if (document.value(QStringLiteral("name")).isString()) {
        m_name = document.value(QStringLiteral("name")).toString();
        setTitle(m_name);
        emit nameChanged(m_name);
    }
    if (document.value(QStringLiteral("version")).isString())
        m_version = document.value(QStringLiteral("version")).toString();

    loadFeatures(document.value(QStringLiteral("effect")).toObject(), m_folder, true);
}

void LWEffectModel::importDocument(const QJsonObject &config, const QString &packageFolder)
{
    loadFeatures(config.value(QStringLiteral("effect")).toObject(), packageFolder, false);
}

void LWEffectModel::loadFeatures(const QJsonObject &effect, const QString &sourceFolder, bool fromProject)
{
    QList<QJsonObject> links;
    const QJsonArray linkArray = effect.value(QStringLiteral("Link")).toArray();
    for (const QJsonValue &value : linkArray) {
        if (value.isObject())
            links.append(value.toObject());
    }
    // Entries are written in list order, newest first, and every feature is
    // built at the front: among equal z-orders the last entry must be built
    // first, or the order would flip on every save and reopen.
    std::reverse(links.begin(), links.end());
    std::stable_sort(links.begin(), links.end(), [](const QJsonObject &a, const QJsonObject &b) {
        return a.value(QStringLiteral("zorder")).toInt() < b.value(QStringLiteral("zorder")).toInt();
    });
    for (const QJsonObject &link : links)
        createFeatureFromLink(link, sourceFolder, fromProject);
    for (const LWFeatureKind *kind : LWFeatureKinds::all()) {
        const QJsonValue record = kind->effectRecordKey.isEmpty() ? QJsonValue() : effect.value(kind->effectRecordKey);
        if (record.isObject())
            loadRecordFeature(kind->type, record.toObject(), sourceFolder, fromProject);
    }
}

void LWEffectModel::loadRecordFeature(LWEffectCommon::LWFeatureType type, QJsonObject bgm,
                                      const QString &sourceFolder, bool fromProject)
{
    bgm.insert(QStringLiteral("type"), LWEffectCommon::featurePackageName(type));
    const QString musicPath = bgm.value(QStringLiteral("music_path")).toString();
    const QString musicFile = QDir::cleanPath(sourceFolder + QLatin1Char('/') + musicPath);
    // A record naming a file outside its package ("../") must not pull an
    // arbitrary file of the author's disk into the project.
    const bool inside = musicFile.startsWith(QDir::cleanPath(sourceFolder) + QLatin1Char('/'));
    if (!musicPath.isEmpty() && !inside)
        qWarning().noquote() << "background music: ignoring" << musicPath << "- it is not inside the package";
    if (!musicPath.isEmpty() && inside && musicImporter()) {
        const QString id = musicImporter()(musicFile);
        if (!id.isEmpty())
            bgm.insert(QStringLiteral("resId"), id);
    }
    LoadParam param;
    param.bLoadFromProject = fromProject;
    LWFeatureModel *feature = buildFeature(type, 5000, QString(), bgm, param);
    if (!feature)
        return;
    feature->loadFeatureData(bgm, param);
}

LWNaviTreeItem *LWEffectModel::child(int row) const
{
    LWFeatureModel *feature = modelAt(row);
    return feature ? feature->asNaviTreeItem() : nullptr;
}

QVariant LWEffectModel::data(int column) const
{
    return column == 0 ? QVariant(title()) : QVariant();
}

bool LWEffectModel::naviTreeItemAcceptChild(LWNaviTreeItem *item) const
{
    // Features may be reordered among themselves; nothing else lands here.
    auto *feature = dynamic_cast<LWFeatureModel *>(item);
    return feature && feature->container() == this;
}

void LWEffectModel::naviTreeItemInsertChild(int row, LWNaviTreeItem *item)
{
    if (auto *feature = dynamic_cast<LWFeatureModel *>(item))
        insertModel(row, feature);
}

LWNaviTreeItem *LWEffectModel::naviTreeItemTakeChild(int row)
{
    LWFeatureModel *feature = removeModelAt(row);
    return feature ? feature->asNaviTreeItem() : nullptr;
}

void LWEffectModel::naviTreeItemMoveChild(int from, int to)
{
    moveModel(from, to);
}

QString LWEffectModel::uniqueFolderName(const QString &name) const
{
    QStringList taken;
    for (LWFeatureModel *feature : m_models)
        taken.append(feature->name());
    QString candidate = name;
    if (taken.contains(candidate)) {
        QString stem = name;
        int number = 1;
        const QRegularExpressionMatch numbered = QRegularExpression(QStringLiteral("^(.*)_(\\d+)$")).match(name);
        if (numbered.hasMatch()) {
            stem = numbered.captured(1);
            number = numbered.captured(2).toInt() + 1;
        }
        do {
            candidate = stem + QLatin1Char('_') + QString::number(number++);
        } while (taken.contains(candidate));
    }
    return candidate + QLatin1Char('/');
}

LWFeatureModel *LWEffectModel::createFeature(LWEffectCommon::LWFeatureType type, const QJsonObject &defaultData,
                                             bool undoable)
{
    if (!undoable)
        return createFeatureNow(type, defaultData);
    auto *command = new LWFeatureAddUndoCommand(this, type, defaultData);
    LWUndoStack::instance()->push(command, true);
    return command->feature();
}

LWFeatureModel *LWEffectModel::createFeatureNow(LWEffectCommon::LWFeatureType type, const QJsonObject &defaultData)
{
    // A feature kept in the effect document has no folder of its own.
    const bool inRecord = !effectRecordKey(type).isEmpty();
    const QString path = inRecord ? QString() : uniqueFolderName(LWEffectCommon::featurePackageName(type));
    if (LWFeatureKinds::isSingleInstance(type)) {
        const bool present = std::any_of(m_models.cbegin(), m_models.cend(),
                                         [type](LWFeatureModel *f) { return f->featureType() == type; });
        if (present)
            postFeatureCountsChanged();
    }
    if (const int usage = LWFeatureKinds::usageEvent(type))
        LWUsageEvents::report(usage);

    LoadParam param;
    LWFeatureModel *feature = buildFeature(type, 5000, path, defaultData, param);
    if (!feature)
        return nullptr;
    if (inRecord)
        feature->loadFeatureData(defaultData, param);
    // A new feature that comes with children (a makeup with its first
    // filter, a sticker with its first part) is shown opened.
    // The new feature becomes the selected one, so its inspector and scene
    // show at once.
    if (LWNaviTreeItem *item = feature->asNaviTreeItem()) {
        if (item->childCount() > 0)
            item->requestExpand();
        item->requestSelection(false);
    }
    return feature;
}

LWFeatureModel *LWEffectModel::buildFeature(LWEffectCommon::LWFeatureType type, int zOrder, const QString &path,
                                            const QJsonObject &data, const LoadParam &loadParam)
{
    LWFeatureFactory::Request request;
    request.effect = this;
    request.zOrder = zOrder;
    request.path = path;
    request.data = data;
    request.loadParam = loadParam;
    request.makeupChoice = m_pendingMakeupChoice;
    LWFeatureModel *feature = LWFeatureFactory::create(type, request);
    // The newest feature stands first. It joins the list once it is whole,
    // so the tree shows it as soon as it is there.
    if (feature && indexOfModel(feature) < 0)
        insertModel(0, feature);
    return feature;
}

namespace {

// An unpacked package is removed once imported: its feature folders are
// moved into the effect rather than copied file by file, which for a
// package of many entries costs as much again as unpacking it. A folder
// that two entries name is moved once and copied from its new place.
void bringFeatureFolder(const QString &from, const QString &to)
{
    static QHash<QString, QString> moved; // unpacked folder -> where it went
    const QString unpacked = QDir::cleanPath(LWDataPaths::subFolder(QStringLiteral("unzipTmp"))) + QLatin1Char('/');
    const QString source = QDir::cleanPath(from);
    if (source.startsWith(unpacked)) {
        if (QFileInfo(source).isDir() && !QFileInfo(source).isSymLink() && !QFileInfo::exists(to)
            && QDir().rename(source, to)) {
            moved.insert(source, to);
            return;
        }
        const QString earlier = moved.value(source);
        if (!QFileInfo(source).exists() && !earlier.isEmpty()) {
            LWFolderUtil::copyFolder(earlier, to);
            return;
        }
    }
    LWFolderUtil::copyFolder(source, to);
}

} // namespace

LWFeatureModel *LWEffectModel::createFeatureFromLink(const QJsonObject &link, const QString &sourceFolder,
                                                     bool fromProject)
{
    QString type = link.value(QStringLiteral("type")).toString();
    QString path = link.value(QStringLiteral("path")).toString();
    if (type == QLatin1String("multi_view"))
        type = QStringLiteral("MultiViewer");
    const int value = LWEffectCommon::featureTypeFromPackageName(type);
    if (value < 0)
        return nullptr;

    QString copied;
    const QString source = QDir::cleanPath(sourceFolder);
    if (source != QDir::cleanPath(m_folder)) {
        const QString folderName = path.section(QLatin1Char('/'), 0, 0);
        // A package entry must name a folder inside its package.
        if (folderName.isEmpty() || folderName == QLatin1String("..") || folderName == QLatin1String("."))
            return nullptr;
        const QString unique = uniqueFolderName(folderName);
        copied = m_folder + QLatin1Char('/') + unique;
        bringFeatureFolder(source + QLatin1Char('/') + folderName, copied);
        path = unique;
    } else if (leavesFolder(path)) {
        // The feature's files are read from there and exported under that
        // name: a project naming a folder outside itself would make an
        // export write wherever it points.
        qWarning().noquote() << "effect: ignoring a feature outside the effect folder:" << path;
        return nullptr;
    }

    LoadParam param;
    param.bLoadFromProject = fromProject;
    const int zOrder = link.value(QStringLiteral("zorder")).toInt(5000);
    LWFeatureModel *feature = buildFeature(LWEffectCommon::LWFeatureType(value), zOrder, path, link, param);
    if (!feature && !copied.isEmpty())
        LWFolderUtil::removeFolder(copied);
    return feature;
}

bool LWEffectModel::checkEffect()
{
    QHash<int, int> counts;
    for (LWFeatureModel *feature : m_models) {
        const LWEffectCommon::LWFeatureType type = feature->featureType();
        if (LWFeatureKinds::isSingleInstance(type) && ++counts[int(type)] > 1) {
            postFeatureCountsChanged();
            return false;
        }
    }
    return true;
}

int LWEffectModel::checkedFeatureCount() const
{
    int count = 0;
    for (LWFeatureModel *feature : m_models) {
        if (LWNaviTreeItem *item = feature->asNaviTreeItem(); item && item->checked())
            ++count;
    }
    return count;
}

void LWEffectModel::setMultiViewerRowsAndCols(int rows, int cols, int uvTag)
{
    if (uvTag == 1) {
        m_multiViewerRows = 1;
        m_multiViewerCols = 2;
        m_multiViewerTextureTag = 1;
    } else {
        m_multiViewerRows = rows + 1;
        m_multiViewerCols = cols + 1;
        m_multiViewerTextureTag = 0;
    }
}

bool LWEffectModel::save(const SaveParam &param)
{
    const QString target = param.path.isEmpty() ? m_folder : param.path;
    return param.bSaveProject ? writeProjectDocument(target) : writePackage(target);
}

bool LWEffectModel::writeProjectDocument(const QString &target)
{
    QJsonArray links;
    SaveParam param;
    param.path = target;
    param.bSaveProject = true;
    QJsonObject effect;
    for (LWFeatureModel *feature : m_models) {
        const QJsonValue record = feature->saveFeature(param);
        const QString key = effectRecordKey(feature->featureType());
        if (!key.isEmpty()) {
            if (record.isObject() && !record.toObject().isEmpty())
                effect.insert(key, record);
        } else if (record.isObject()) {
            links.append(record);
        }
    }
    effect.insert(QStringLiteral("Link"), links);
    QJsonObject document = m_document;
    document.insert(QStringLiteral("effect"), effect);
    document.insert(QStringLiteral("name"), m_name);
    document.insert(QStringLiteral("version"), m_version);
    QDir().mkpath(target);
    return LWJsonFile::write(target + QLatin1Char('/') + kEffectFile, document);
}

bool LWEffectModel::writePackage(const QString &target)
{
    // The features log what they fail to write; a package missing any of
    // their documents is not a package.
    LWJsonFile::FailureWatch watch;
    QJsonArray links;
    QJsonObject bgm;
    QStringList versions;
    SaveParam param;
    param.path = target;
    param.bSaveProject = false;
    QDir().mkpath(target);
    for (LWFeatureModel *feature : m_models) {
        LWNaviTreeItem *item = feature->asNaviTreeItem();
        if ((item && !item->checked()) || !feature->shouldExport())
            continue;
        const QJsonValue result = feature->saveFeature(param);
        // The package's config.json carries the music record (as "bgm").
        if (!effectRecordKey(feature->featureType()).isEmpty()) {
            bgm = result.toObject();
            continue;
        }
        const QJsonValue link = feature->toConfigLinkValue();
        if (link.isObject())
            links.append(link);
        versions.append(feature->sdkVersion());
    }
    const QJsonObject config = LWPackageConfig::build(m_name, versions, links, bgm);
    return LWJsonFile::write(target + QStringLiteral("/config.json"), config) && !watch.failed();
}
