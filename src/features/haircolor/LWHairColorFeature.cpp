#include "LWHairColorFeature.h"

#include "features/LWFeatureKind.h"
#include "common/LWFolderUtil.h"
#include "common/LWJsonFile.h"
#include "features/LWFeatureFactory.h"
#include "inspector/LWInspectorViewModel.h"
#include "features/haircolor/LWHairColorSceneViewModel.h"
#include "package/LWPackageCheck.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QRegularExpression>

const char *const LWHairColorFeature::kDefaultColor = "FFFFFF";
const char *const LWHairColorFeature::kDefaultTemplate = "qrc:/LWHairColor/template.png";

namespace {

const QString kRenameId = QStringLiteral("menuItemRename");

QJsonObject fillOf(const QJsonObject &content)
{
    return content.value(QStringLiteral("content")).toObject().value(QStringLiteral("fill")).toObject();
}

bool isInside(const QString &path, const QString &folder)
{
    return QDir::cleanPath(path).startsWith(QDir::cleanPath(folder) + QLatin1Char('/'));
}

void checkHairFolder(const QJsonObject &link, const QString &folder, QStringList &problems)
{
    const QString type = link.value(QStringLiteral("type")).toString();
    const QJsonObject fill = fillOf(LWJsonFile::read(folder + QStringLiteral("/content.json")));
    if (fill.isEmpty()) {
        problems << QStringLiteral("feature %1: content.json has no fill record").arg(type);
        return;
    }
    const QJsonValue color = fill.value(QStringLiteral("color")).toArray().first();
    if (!color.isString() || LWHairColorFeature::normalizedColor(color.toString()).isEmpty())
        problems << QStringLiteral("feature %1: the fill's \"color\" must hold a colour of six hexadecimal digits")
                        .arg(type);
    const QJsonValue templateName = fill.value(QStringLiteral("colorTemplate"));
    if (fill.value(QStringLiteral("type")).toInt() != 0
        && (!templateName.isString() || !QFileInfo(folder + QLatin1Char('/') + templateName.toString()).isFile()))
        problems << QStringLiteral("feature %1: the colour template of the fill is missing").arg(type);
}

} // namespace

LWHairColorFeature::LWHairColorFeature(const LWFeatureFactory::Request &request)
    : LWFeatureTreeItem(request.effect, request.zOrder, request.path)
    , m_color(QLatin1String(kDefaultColor))
    , m_colorTemplate(QLatin1String(kDefaultTemplate))
{
    setNaviItemIcon(QStringLiteral("qrc:/LWViewCommon/images/featurehaircolor.png"));
    setContextMenu({{tr("Delete"), removeMenuId()}, {tr("Rename"), kRenameId}});
    setFeatureType(LWEffectCommon::LWFeatureTypeHairColor);
    m_scene = new LWHairColorSceneViewModel(this);
    setSceneViewModel(m_scene);
    if (request.loadParam.bLoadFromProject) {
        readProjectRecord(request.data);
        readFill(fillOf(contentJson()));
    } else {
        loadContentFile();
        readContentFile();
    }
    buildInspector();
    setSdkVersion(QStringLiteral("2.0.0"));
}

LWHairColorFeature::~LWHairColorFeature() = default;

QString LWHairColorFeature::normalizedColor(const QString &text)
{
    static const QRegularExpression sixDigits(QStringLiteral("^#?([0-9A-Fa-f]{6})$"));
    const QRegularExpressionMatch match = sixDigits.match(text.trimmed());
    return match.hasMatch() ? match.captured(1).toUpper() : QString();
}

void LWHairColorFeature::readContentFile()
{
    if (contentJson().isEmpty()) {
        m_colorTemplate = QLatin1String(kDefaultTemplate);
        m_color = QLatin1String(kDefaultColor);
    }
    const QJsonValue fill = contentJson().value(QStringLiteral("content")).toObject().value(QStringLiteral("fill"));
    if (fill.isObject())
        readFill(fill.toObject());
}

void LWHairColorFeature::readFill(const QJsonObject &fill)
{
    if (fill.isEmpty())
        return;
    const QJsonValue colorTemplate = fill.value(QStringLiteral("colorTemplate"));
    if (colorTemplate.isString())
        m_colorTemplate = colorTemplate.toString();
    m_strength = fill.value(QStringLiteral("strength")).toDouble(0.0);
    m_colorType = fill.value(QStringLiteral("type")).toInt(0);
    const QJsonValue first = fill.value(QStringLiteral("color")).toArray().first();
    const QString color = first.isString() ? normalizedColor(first.toString()) : QString();
    if (!color.isEmpty())
        m_color = color;
    else
        qWarning().noquote() << "hair colour: the fill of" << path() << "holds no usable colour; keeping" << m_color;
}

QString LWHairColorFeature::colorTemplatePath() const
{
    if (m_colorTemplate.startsWith(QLatin1String("qrc:")))
        return m_colorTemplate.mid(3);
    if (m_colorTemplate.startsWith(QLatin1String(":/")))
        return m_colorTemplate;
    return localAbsolutePath() + m_colorTemplate;
}

QJsonObject LWHairColorFeature::getFeatureRequirements() const
{
    return {{QStringLiteral("faceDetect"), false}, {QStringLiteral("matting"), false},
            {QStringLiteral("hairColor"), true}};
}

QJsonObject LWHairColorFeature::fillRecord(const QString &templateName) const
{
    QJsonObject fill{{QStringLiteral("type"), m_colorType},
                     {QStringLiteral("color"), QJsonArray{m_color}},
                     {QStringLiteral("strength"), m_strength}};
    if (m_colorType != 0)
        fill.insert(QStringLiteral("colorTemplate"), templateName);
    return fill;
}

void LWHairColorFeature::writeContent(const QString &templateName)
{
    QJsonObject content = contentJson().value(QStringLiteral("content")).toObject();
    content.insert(QStringLiteral("fill"), fillRecord(templateName));
    contentJson().insert(QStringLiteral("version"), QStringLiteral("1.1"));
    contentJson().insert(QStringLiteral("requirement"), getFeatureRequirements());
    contentJson().insert(QStringLiteral("content"), content);
}

QString LWHairColorFeature::exportTemplate(const QString &folder) const
{
    const QString source = colorTemplatePath();
    const bool builtIn = source.startsWith(QLatin1String(":/"));
    // Only the feature's own files and the built-in template travel with the
    // package; a name reaching out of the folder is written as it was.
    if (!QFileInfo(source).isFile() || (!builtIn && !isInside(source, localAbsolutePath()))) {
        qWarning().noquote() << "hair colour: colour template" << m_colorTemplate << "is not a file of" << path()
                             << "and is not copied";
        return m_colorTemplate;
    }
    const QString name = builtIn ? QFileInfo(source).fileName() : QDir::cleanPath(m_colorTemplate);
    const QString target = folder + name;
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile::remove(target);
    if (!LWFolderUtil::copyFile(source, target))
        qWarning().noquote() << "hair colour: the colour template could not be written to" << target;
    QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner | QFileDevice::WriteUser);
    return name;
}

QJsonValue LWHairColorFeature::saveFeature(const SaveParam &param)
{
    if (param.bSaveProject) {
        writeContent(m_colorTemplate);
        contentJson().insert(QStringLiteral("tag"), newTag());
        return projectRecord();
    }
    if (param.path.isEmpty()) {
        writeContent(m_colorTemplate);
        contentJson().insert(QStringLiteral("tag"), newTag());
        return QJsonValue();
    }
    const QString folder = param.path + QLatin1Char('/') + path();
    QDir().mkpath(folder);
    writeContent(m_colorType != 0 ? exportTemplate(folder) : QString());
    if (!exportContentFile(param))
        qWarning().noquote() << "hair colour: content.json could not be written for" << path();
    return QJsonValue();
}

QJsonValue LWHairColorFeature::toConfigLinkValue() const
{
    return QJsonObject{{QStringLiteral("type"), QStringLiteral("HairColor")},
                       {QStringLiteral("zorder"), zOrder()},
                       {QStringLiteral("path"), path()}};
}

void LWHairColorFeature::menuItemAction(QString menuItemId)
{
    if (menuItemId == kRenameId)
        setNaviItemEditing(true);
    else
        LWFeatureTreeItem::menuItemAction(menuItemId);
}

void LWHairColorFeature::buildInspector()
{
    setInspectorViewModel(LWInspectorViewModel::fromProfile(LWFeatureKinds::find(LWEffectCommon::LWFeatureTypeHairColor)->profile, inspectorData()));
}

QJsonObject LWHairColorFeature::inspectorData() const
{
    return {{QStringLiteral("color"), m_color},
            {QStringLiteral("optionIndex"), m_colorType},
            {QStringLiteral("intensity"), m_strength}};
}

void LWHairColorFeature::naviTreeItemInspectorDataChanged()
{
    const std::shared_ptr<LWQmlViewModel> root = inspectorViewModel();
    if (!root)
        return;
    const QJsonObject value = root->value().toObject();
    m_strength = value.value(QStringLiteral("intensity")).toDouble(0.0);
    const QString color = normalizedColor(value.value(QStringLiteral("color")).toString());
    if (!color.isEmpty())
        m_color = color;
    // The panel has no control for the fill type: a templated fill read
    // from a package must not turn into a plain one on the first edit.
    const QJsonValue colorType = value.value(QStringLiteral("colorType"));
    if (!colorType.isUndefined())
        m_colorType = colorType.toInt(0);
}

void LWHairColorFeature::checkPackageFolder(const QJsonObject &link, const QString &folder, QStringList &problems)
{
    checkHairFolder(link, folder, problems);
}
