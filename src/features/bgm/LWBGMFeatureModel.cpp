#include "LWBGMFeatureModel.h"

#include "features/LWFeatureKind.h"
#include "common/LWFolderUtil.h"
#include "features/LWFeatureFactory.h"
#include "inspector/LWInspectorViewModel.h"
#include "resources/LWResourceManager.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>

const char *const LWBGMFeatureModel::kMusicFolder = "bgm";

namespace {

const QString kResId = QStringLiteral("resId");
const QString kMusicPath = QStringLiteral("music_path");

// The data of a new feature. Its disappear key is spelled
// "triggerDisapper"; the panel writes "triggerDisappear".
const char kDefaultData[] = R"({
    "actiontype": 0,
    "action": {
        "triggerDelay": 0,
        "triggerLoop": 0,
        "triggerStop": true,
        "triggerDisapper": false,
        "triggerType": 4
    },
    "music_path": ""
})";

bool isMusic(const QString &resourceId)
{
    return !resourceId.isEmpty()
           && LWResourceManager::instance()->type(resourceId) == LWEffectCommon::LWResourceMusic;
}

} // namespace

QJsonObject LWBGMFeatureModel::defaultData()
{
    return QJsonDocument::fromJson(QByteArray(kDefaultData)).object();
}

LWBGMFeatureModel::LWBGMFeatureModel(const LWFeatureFactory::Request &request)
    : LWFeatureTreeItem(request.effect, request.zOrder, request.path)
{
    // Without a folder the name is empty; the tree still needs a title.
    setTitle(QStringLiteral("BGM"));
    setNaviItemIcon(QStringLiteral("qrc:/LWViewCommon/images/featurebgm.png"));
    setContextMenu({{tr("Delete"), removeMenuId()}});
    setFeatureType(LWEffectCommon::LWFeatureTypeBGM);
    loadFeatureData(request.data, request.loadParam);
}

LWBGMFeatureModel::~LWBGMFeatureModel() = default;

void LWBGMFeatureModel::loadFeatureData(const QJsonObject &data, const LoadParam &param)
{
    m_data = data.isEmpty() ? defaultData() : data;
    if (param.bLoadFromProject) {
        const QJsonValue name = m_data.value(QStringLiteral("name"));
        if (name.isString() && !name.toString().isEmpty())
            setTitle(name.toString());
        const QJsonValue checked = m_data.value(QStringLiteral("checked"));
        if (checked.isBool())
            setChecked(checked.toBool());
    }
    // A record may name a resource that is not music (a hand-edited
    // project, say); it must not play as the effect's music.
    const QString resourceId = m_data.value(kResId).toString();
    LWResourceManager *library = LWResourceManager::instance();
    if (!resourceId.isEmpty() && library->findRecord(resourceId) && !isMusic(resourceId)) {
        qWarning().noquote() << "background music: resource" << resourceId << "is not music and is not used";
        m_data.remove(kResId);
    }
    buildInspector();
}

void LWBGMFeatureModel::buildInspector()
{
    setInspectorViewModel(LWInspectorViewModel::fromProfile(LWFeatureKinds::find(LWEffectCommon::LWFeatureTypeBGM)->profile, m_data));
}

QJsonObject LWBGMFeatureModel::data() const
{
    const std::shared_ptr<LWQmlViewModel> root = inspectorViewModel();
    return root ? root->value().toObject() : m_data;
}

void LWBGMFeatureModel::naviTreeItemInspectorDataChanged()
{
    m_data = data();
}

QString LWBGMFeatureModel::musicResourceId() const
{
    const QString resourceId = data().value(kResId).toString();
    return isMusic(resourceId) ? resourceId : QString();
}

QString LWBGMFeatureModel::exportMusic(const QString &packageFolder) const
{
    const QString resourceId = musicResourceId();
    if (resourceId.isEmpty() || packageFolder.isEmpty())
        return QString();
    LWResourceManager *library = LWResourceManager::instance();
    // The library stores its files without a suffix that is not letters
    // only, so its MP3s have none; the package's music must say what it is,
    // or neither the engine nor a later import takes it for music.
    QString name = library->fileName(resourceId);
    if (QFileInfo(name).suffix().compare(QLatin1String("mp3"), Qt::CaseInsensitive) != 0)
        name += QStringLiteral(".mp3");
    const QString folder = packageFolder + QLatin1Char('/') + QLatin1String(kMusicFolder);
    const QString target = folder + QLatin1Char('/') + name;
    QDir().mkpath(folder);
    QFile::remove(target);
    if (!LWFolderUtil::copyFile(library->absolutePath(resourceId), target)) {
        qWarning().noquote() << "background music: the music could not be copied to" << target;
        return QString();
    }
    return QLatin1String(kMusicFolder) + QLatin1Char('/') + name;
}

QJsonValue LWBGMFeatureModel::saveFeature(const SaveParam &param)
{
    QJsonObject record = data();
    if (param.bSaveProject) {
        record.insert(QStringLiteral("checked"), checked());
        record.insert(QStringLiteral("name"), title());
        return record;
    }
    record.insert(kMusicPath, exportMusic(param.path));
    record.remove(kResId);
    return record;
}
