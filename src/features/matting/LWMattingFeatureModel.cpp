#include "LWMattingFeatureModel.h"

#include "LWMattingSegmentModel.h"
#include "LWMattingStealthModel.h"
#include "common/LWJsonFile.h"
#include "features/LWFeatureFactory.h"
#include "inspector/LWInspectorViewModel.h"
#include "package/LWPackageCheck.h"

#include <QDebug>
#include <QJsonArray>

const char *const LWMattingFeatureModel::kChoiceSegment = "addSegmentBody";
const char *const LWMattingFeatureModel::kChoiceStealth = "addMatting";

namespace {

const QString kRenameId = QStringLiteral("renameMatting");
const QString kDeleteId = QStringLiteral("deleteMatting");

QJsonObject contentOf(const QJsonObject &contentFile)
{
    return contentFile.value(QStringLiteral("content")).toObject();
}

void checkMattingFolder(const QJsonObject &link, const QString &folder, QStringList &problems)
{
    const QString type = link.value(QStringLiteral("type")).toString();
    const QJsonObject border = contentOf(LWJsonFile::read(folder + QStringLiteral("/content.json")))
                                   .value(QStringLiteral("border"))
                                   .toObject();
    if (border.isEmpty())
        return;
    const int borderType = border.value(QStringLiteral("type")).toInt(0);
    if (borderType < LWMattingBorder::None || borderType > LWMattingBorder::TwoTone) {
        problems << QStringLiteral("feature %1: border type %2 is not 0, 1 or 2").arg(type).arg(borderType);
        return;
    }
    const QJsonArray colors = border.value(QStringLiteral("color")).toArray();
    const int needed = borderType == LWMattingBorder::TwoTone ? 2 : 1;
    for (int i = 0; i < needed; ++i) {
        if (LWMattingBorder::normalizedColor(colors.at(i)).isEmpty())
            problems << QStringLiteral("feature %1: border colour %2 is not six hexadecimal digits").arg(type).arg(i + 1);
    }
}

} // namespace

LWMattingFeatureModel::LWMattingFeatureModel(const LWFeatureFactory::Request &request)
    : LWFeatureTreeItem(request.effect, request.zOrder, request.path)
    , m_choice(request.makeupChoice)
{
    // Whatever the folder held was read by the base: a feature with a
    // content file of its own is not new, and the add menu's pending choice
    // (which the effect keeps) must not decide its mode.
    m_fromFolder = !contentJson().isEmpty();
    setNaviItemIcon(QStringLiteral("qrc:/LWViewCommon/images/featuresegbody.png"));
    setContextMenu({{tr("Rename"), kRenameId}, {tr("Delete"), kDeleteId}});
    setFeatureType(LWEffectCommon::LWFeatureTypeMatting);
    if (request.loadParam.bLoadFromProject) {
        readProjectRecord(request.data);
        createPartFromContent(contentOf(contentJson()));
    } else {
        loadContentFile();
        readContentFile();
    }
    buildInspector();
    setSdkVersion(QStringLiteral("2.2.0"));
}

LWMattingFeatureModel::~LWMattingFeatureModel() = default;

bool LWMattingFeatureModel::isStealth() const
{
    return m_part && m_part->mattingType() == QLatin1String(LWMattingStealthModel::kMattingType);
}

void LWMattingFeatureModel::readContentFile()
{
    const QJsonObject content = contentOf(contentJson());
    if (!content.isEmpty() || m_fromFolder)
        createPartFromContent(content);
    else
        createPartFromChoice(m_choice);
}

void LWMattingFeatureModel::createPartFromContent(const QJsonObject &content)
{
    if (content.value(QStringLiteral("mattingType")).toString() == QLatin1String(LWMattingStealthModel::kMattingType))
        m_part = std::make_unique<LWMattingStealthModel>(content);
    else
        m_part = std::make_unique<LWMattingSegmentModel>(content);
}

void LWMattingFeatureModel::createPartFromChoice(const QString &choice)
{
    if (choice == QLatin1String(kChoiceStealth)) {
        m_part = std::make_unique<LWMattingStealthModel>();
        setTitle(QStringLiteral("InvisiableHuman"));
    } else {
        m_part = std::make_unique<LWMattingSegmentModel>();
        setTitle(QStringLiteral("SegmentBody"));
    }
}

void LWMattingFeatureModel::buildInspector()
{
    setInspectorViewModel(LWInspectorViewModel::fromProfile(m_part->profilePath(), m_part->inspectorData()));
}

void LWMattingFeatureModel::naviTreeItemInspectorDataChanged()
{
    const std::shared_ptr<LWQmlViewModel> root = inspectorViewModel();
    if (root)
        m_part->applyInspectorValue(root->value().toObject());
}

QJsonValue LWMattingFeatureModel::saveFeature(const SaveParam &param)
{
    contentJson().insert(QStringLiteral("content"), m_part->record(param.bSaveProject));
    if (param.bSaveProject) {
        contentJson().insert(QStringLiteral("tag"), newTag());
        return projectRecord();
    }
    if (param.path.isEmpty())
        contentJson().insert(QStringLiteral("tag"), newTag());
    else if (!exportContentFile(param))
        qWarning().noquote() << "matting: content.json could not be written for" << path();
    return QJsonValue();
}

QJsonValue LWMattingFeatureModel::toConfigLinkValue() const
{
    return QJsonObject{{QStringLiteral("type"), QStringLiteral("Matting")},
                       {QStringLiteral("zorder"), zOrder()},
                       {QStringLiteral("path"), path()}};
}

void LWMattingFeatureModel::menuItemAction(QString menuItemId)
{
    if (menuItemId == kRenameId)
        setNaviItemEditing(true);
    else if (menuItemId == kDeleteId)
        onActionRemoveFeature();
    else
        LWFeatureTreeItem::menuItemAction(menuItemId);
}

void LWMattingFeatureModel::checkPackageFolder(const QJsonObject &link, const QString &folder, QStringList &problems)
{
    checkMattingFolder(link, folder, problems);
}
