#include "LWPropOptionViewModel.h"

#include "common/LWDialogs.h"
#include "LWInspectorHub.h"
#include "LWInspectorResources.h"
#include "LWPropEdit.h"
#include "LWPropOptionUndoCommand.h"
#include "common/LWEffectCommon.h"

#include <QJsonArray>

LWPropOptionViewModel::LWPropOptionViewModel(const QString &id, const QJsonValue &component, const QJsonValue &value,
                                             LWQmlViewModel *parent)
    : LWPropChoiceViewModel(id, component, value, parent, 32)
{
    m_showThumbnail = componentValue("showThumbnail").toBool(false);
    m_showClickButton = componentValue("showClickButton").toBool(false);
    useLanguageChange(80);
    m_selectedKey = keyOf(boundOrDefault());
    if (componentValue("dynamicResData").isString()) {
        const int constraint = LWEffectCommon::constraintTypeFromKey(componentValue("resConstrainType").toString());
        listResources(qMax(0, constraint));
    } else {
        setEntries(staticEntries());
        m_selectedKey = keyOf(entry(m_optionIndex).value);
    }
}

QString LWPropOptionViewModel::qmlPath() const
{
    return QStringLiteral("qrc:/LWViewCommon/LWPropView/LWPropOptionView.qml");
}

QList<LWPropChoiceViewModel::Entry> LWPropOptionViewModel::staticEntries() const
{
    QList<Entry> entries;
    const QJsonArray values = componentValue("options").toArray();
    const QJsonArray labels = componentValue("optionLabels").toArray();
    for (int i = 0; i < values.size(); ++i) {
        const QJsonValue label = labels.at(i);
        entries.append({label.isUndefined() ? keyOf(values.at(i)) : label.toVariant().toString(), QString(),
                        values.at(i)});
    }
    return entries;
}

QJsonValue LWPropOptionViewModel::value() const
{
    const QJsonValue bound = boundOrDefault();
    const QString selected = m_selectedKey;
    if (bound.isDouble())
        return selected.toDouble();
    if (bound.isString())
        return selected;
    if (bound.isArray()) {
        // The option's own value, of its own type: a list of numbers stays
        // a list of numbers.
        for (int i = 0; i < entryCount(); ++i) {
            if (keyOf(entry(i).value) == selected)
                return QJsonArray{entry(i).value.isArray() ? entry(i).value.toArray().first() : entry(i).value};
        }
        return QJsonArray{selected};
    }
    if (bound.isObject()) {
        QJsonObject object = bound.toObject();
        if (object.contains(QLatin1String("material")))
            object.insert(QStringLiteral("material"), selected);
        else if (object.contains(QLatin1String("resId")))
            object.insert(QStringLiteral("resId"), selected);
        return object;
    }
    return bound;
}

void LWPropOptionViewModel::commitIndex(int index)
{
    LWPropEdit::push<LWPropOptionUndoCommand>(this, index);
}

void LWPropOptionViewModel::notifyChildren(int kinds, const QJsonValue &payload)
{
    LWPropChoiceViewModel::notifyChildren(kinds, payload);
    if (kinds & 32) {
        const QJsonValue index = payload[QLatin1String("indexChanged")];
        if (index.isDouble())
            applyIndex(index.toInt(), false);
    }
}

void LWPropOptionViewModel::onClickButton()
{
    chooseFileAfterTutorial();
}

void LWPropOptionViewModel::pickAndImport()
{
    LWFileRequest request;
    switch (m_resourceType) {
    case LWEffectCommon::LWResourceMusic:
        request.title = tr("choose music file");
        request.filter = QStringList{tr("music files") + QStringLiteral(" ( *.mp3)")};
        break;
    case LWEffectCommon::LWResourceType2DTextureFrame:
        request.title = tr("choose texture folder");
        request.filter = QStringList{tr("Image files") + QStringLiteral(" ( *.png)")};
        request.selectFolder = true;
        break;
    default:
        request.title = tr("Choose file");
        request.filter = QStringList{tr("Image files") + QStringLiteral(" ( *.png)")};
        break;
    }
    std::weak_ptr<LWQmlViewModel> weak = self();
    const int type = m_resourceType;
    const int constraint = m_constraint;
    LWDialogs::instance()->openFile(request, [weak, type, constraint](const QList<QUrl> &urls) {
        auto node = std::static_pointer_cast<LWPropOptionViewModel>(weak.lock());
        if (!node)
            return;
        if (urls.isEmpty()) {
            node->imported(QString());
            return;
        }
        LWInspectorResources *resources = LWInspectorHub::instance()->resources();
        // Checked before the import: a texture this control cannot take would
        // only sit in the library, never offered here.
        QString error;
        if (constraint != 0 && !resources->pickQualifies(type, urls, constraint, &error)) {
            LWDialogs::instance()->showMessage(error.isEmpty() ? tr("The picture does not fit here.") : error);
            node->imported(QString());
            return;
        }
        node->imported(resources->importPicked(type, urls));
    });
}

void LWPropOptionViewModel::imported(const QString &resourceId)
{
    if (!resourceId.isEmpty()) {
        rebuildFromResources();
        for (int i = 0; i < entryCount(); ++i) {
            if (keyOf(entry(i).value) == resourceId) {
                setOptionIndex(i);
                break;
            }
        }
    }
    emit clickResult(resourceId);
}
