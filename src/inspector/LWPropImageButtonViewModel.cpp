#include "LWPropImageButtonViewModel.h"

#include "LWPropEdit.h"
#include "LWImageFileInfo.h"
#include "common/LWDialogs.h"
#include "LWInspectorHub.h"
#include "LWInspectorResources.h"
#include "common/LWEffectCommon.h"

#include <QCoreApplication>
#include <QJsonObject>

LWPropImageButtonViewModel::LWPropImageButtonViewModel(const QString &id, const QJsonValue &component,
                                                       const QJsonValue &value, LWQmlViewModel *parent)
    : LWPropChoiceViewModel(id, component, value, parent, 0)
{
    m_width = componentValue("width").toInt(120);
    m_height = componentValue("height").toInt(120);
    const QJsonValue constraint = componentValue("resConstrainType");
    if (constraint.isString())
        m_sizeConstraint = LWEffectCommon::constraintTypeFromKey(constraint.toString());
    else if (componentValue("checkSize").toBool(false))
        m_sizeConstraint = LWEffectCommon::LWConstrainTypeTextureSizeFix512x512;
    m_sizeConstraint = qMax(0, m_sizeConstraint);
    m_selectedKey = value.isString() ? value.toString() : QString::fromLatin1(kNoneValue);
    if (componentValue("dynamicResData").isString()) {
        listResources(m_sizeConstraint);
    } else {
        m_resourceType = LWEffectCommon::LWResourceType2DTexture;
        m_constraint = m_sizeConstraint;
        connect(LWInspectorHub::instance(), &LWInspectorHub::resourceModelDataChanged, this,
                &LWPropChoiceViewModel::onResourceModelDataChanged);
        rebuildFromResources();
    }
    setImageInfo(m_optionIndex);
}

QString LWPropImageButtonViewModel::qmlPath() const
{
    return QStringLiteral("qrc:/LWViewCommon/LWPropView/LWPropImageButton.qml");
}

QStringList LWPropImageButtonViewModel::imageUrls() const
{
    QStringList urls;
    for (const Entry &e : m_entries)
        urls << e.iconPath;
    return urls;
}

void LWPropImageButtonViewModel::setImageInfo(int index)
{
    const QString resourceId = keyOf(entry(index).value);
    auto *resources = LWInspectorHub::instance()->resources();
    const LWImageFileInfo info(resources->firstImage(resourceId));
    bool exists = false;
    const qint64 bytes = resources->sizeOnDisk(resourceId, &exists);
    m_imageSize = exists ? LWImageFileInfo::byteText(bytes) : QString();
    m_imageType = info.format();
    m_imageResolution = info.readable()
                            ? QStringLiteral("%1 x %2").arg(info.size().width()).arg(info.size().height())
                            : QString();
    m_sizeProblem.clear();
    if (m_sizeConstraint != 0 && resources->type(resourceId) != 0)
        resources->qualifies(resourceId, m_sizeConstraint, &m_sizeProblem);
    emit imageInfoChanged();
}

QList<LWPropChoiceViewModel::Entry> LWPropImageButtonViewModel::resourceEntries() const
{
    QList<Entry> entries = LWPropChoiceViewModel::resourceEntries();
    const QString chosen = m_selectedKey;
    auto *resources = LWInspectorHub::instance()->resources();
    if (chosen == QLatin1String(kNoneValue) || resources->type(chosen) == 0)
        return entries;
    for (const Entry &entry : qAsConst(entries)) {
        if (keyOf(entry.value) == chosen)
            return entries;
    }
    const QString image = resources->firstImage(chosen);
    entries.append({resources->displayName(chosen), image.isEmpty() ? QString() : QUrl::fromLocalFile(image).toString(),
                    chosen});
    return entries;
}

bool LWPropImageButtonViewModel::meetsConstraint(const QString &resourceId)
{
    if (m_sizeConstraint == 0 || resourceId == QLatin1String(kNoneValue))
        return true;
    QString error;
    if (LWInspectorHub::instance()->resources()->qualifies(resourceId, m_sizeConstraint, &error))
        return true;
    emit signalTextureSizeNotFit(error);
    return false;
}

void LWPropImageButtonViewModel::commitIndex(int index)
{
    if (!meetsConstraint(keyOf(entry(index).value)))
        return;
    applyIndex(index, true);
    setImageInfo(index);
    LWPropEdit::markDirectEdit();
}

void LWPropImageButtonViewModel::onClickButton()
{
    chooseFileAfterTutorial();
}

void LWPropImageButtonViewModel::pickFile()
{
    LWFileRequest request;
    request.title = tr("Choose file");
    request.filter = QStringList{tr("Image files") + QStringLiteral(" ( *.png)")};
    std::weak_ptr<LWQmlViewModel> weak = self();
    LWDialogs::instance()->openFile(request, [weak](const QList<QUrl> &urls) {
        if (auto node = std::static_pointer_cast<LWPropImageButtonViewModel>(weak.lock()))
            node->imported(urls);
    });
}

void LWPropImageButtonViewModel::imported(const QList<QUrl> &urls)
{
    if (urls.isEmpty())
        return;
    if (!LWImageFileInfo(LWImageFileInfo::localPath(urls.first().toString())).readable()) {
        emit signalunRecognizedImage(QCoreApplication::translate("LWPropImageButtonViewModel", "Image unable to parse"));
        return;
    }
    const QString resourceId = LWInspectorHub::instance()->resources()->importPicked(m_resourceType, urls);
    if (resourceId.isEmpty() || !meetsConstraint(resourceId))
        return;
    rebuildFromResources();
    for (int i = 0; i < entryCount(); ++i) {
        if (keyOf(entry(i).value) == resourceId) {
            commitIndex(i);
            break;
        }
    }
}
