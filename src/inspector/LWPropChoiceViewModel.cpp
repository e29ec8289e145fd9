#include "LWPropChoiceViewModel.h"

#include "LWPropEdit.h"
#include "common/LWDialogs.h"
#include "LWInspectorHub.h"
#include "LWInspectorResources.h"
#include "LWPropOptionItemModel.h"
#include "common/LWEffectCommon.h"
#include "common/LWServiceConfig.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QUrl>
#include <cmath>

const char *const LWPropChoiceViewModel::kNoneValue = "__LWOptionNone";
const char *const LWPropChoiceViewModel::kPlaceholderIcon =
    "qrc:/LW2DSticker/res/2DStickerPlacehold/default2D.png";

namespace {
int widestTitle(const QList<LWPropChoiceViewModel::Entry> &entries)
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return 0;
    QFont font(QStringLiteral("PingFangSC"));
    font.setPixelSize(13);
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const auto &entry : entries)
        widest = qMax(widest, metrics.horizontalAdvance(entry.title));
    return widest;
}
} // namespace

LWPropChoiceViewModel::LWPropChoiceViewModel(const QString &id, const QJsonValue &component, const QJsonValue &value,
                                             LWQmlViewModel *parent, int height)
    : LWPropViewModel(id, component, value, parent, height)
{
    m_autoEnable = componentValue("autoEnable").toBool(true);
}

LWPropChoiceViewModel::~LWPropChoiceViewModel() = default;

QString LWPropChoiceViewModel::keyOf(const QJsonValue &value)
{
    if (value.isDouble()) {
        const double number = value.toDouble();
        if (std::trunc(number) == number && std::abs(number) < 1e15)
            return QString::number(qint64(number));
        return QString::number(number);
    }
    if (value.isArray())
        return keyOf(value.toArray().first());
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        if (object.contains(QLatin1String("material")))
            return keyOf(object.value(QLatin1String("material")));
        return keyOf(object.value(QLatin1String("resId")));
    }
    return value.toVariant().toString();
}

QList<QObject *> LWPropChoiceViewModel::options() const
{
    QList<QObject *> list;
    for (LWPropOptionItemModel *item : m_items)
        list << item;
    return list;
}

const LWPropChoiceViewModel::Entry &LWPropChoiceViewModel::entry(int index) const
{
    static const Entry none;
    return index >= 0 && index < m_entries.size() ? m_entries.at(index) : none;
}

QString LWPropChoiceViewModel::comboDisplayText() const
{
    return entry(m_optionIndex).title;
}

bool LWPropChoiceViewModel::keyListed() const
{
    for (const Entry &e : m_entries) {
        if (keyOf(e.value) == m_selectedKey)
            return true;
    }
    return false;
}

void LWPropChoiceViewModel::setEntries(QList<Entry> entries)
{
    m_entries = std::move(entries);
    qDeleteAll(m_items);
    m_items.clear();
    for (const Entry &e : qAsConst(m_entries))
        m_items << new LWPropOptionItemModel(e.title, e.iconPath, this);
    int index = 0;
    for (int i = 0; i < m_entries.size(); ++i) {
        if (keyOf(m_entries.at(i).value) == m_selectedKey) {
            index = i;
            break;
        }
    }
    m_optionIndex = index;
    m_fontWidth = widestTitle(m_entries);
    emit optionsChanged();
    emit optionIndexChanged(index);
    emit comboDisplayTextChanged();
    emit fontWidthChanged();
}

void LWPropChoiceViewModel::setOptionIndex(int index)
{
    if (index == m_optionIndex || index < 0 || index >= m_entries.size())
        return;
    commitIndex(index);
}

void LWPropChoiceViewModel::commitIndex(int index)
{
    applyIndex(index, true);
    LWPropEdit::markDirectEdit();
}

void LWPropChoiceViewModel::applyIndex(int index, bool announce)
{
    if (index < 0 || index >= m_entries.size())
        return;
    m_optionIndex = index;
    m_selectedKey = keyOf(m_entries.at(index).value);
    emit optionIndexChanged(index);
    emit comboDisplayTextChanged();
    if (announce)
        emit qmlViewDataChanged();
}

void LWPropChoiceViewModel::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    emit enabledChanged();
}

void LWPropChoiceViewModel::notifyChildren(int kinds, const QJsonValue &payload)
{
    if (kinds & 1) {
        const QJsonValue enabled = payload[QLatin1String("optionEnabled")];
        if (enabled.isBool())
            setEnabled(enabled.toBool());
    }
}

void LWPropChoiceViewModel::listResources(int constraint)
{
    const QString typeName = componentValue("dynamicResData").toString();
    if (typeName.isEmpty())
        return;
    m_resourceType = LWEffectCommon::resourceTypeFromKey(typeName);
    m_constraint = constraint;
    connect(LWInspectorHub::instance(), &LWInspectorHub::resourceModelDataChanged, this,
            &LWPropChoiceViewModel::onResourceModelDataChanged);
    connect(LWInspectorHub::instance(), &LWInspectorHub::resLibDataChanged, this,
            &LWPropChoiceViewModel::onResLibDataChanged);
    rebuildFromResources();
}

QList<LWPropChoiceViewModel::Entry> LWPropChoiceViewModel::resourceEntries() const
{
    QList<Entry> entries{{QStringLiteral("None"), QString::fromLatin1(kPlaceholderIcon),
                          QString::fromLatin1(kNoneValue)}};
    const auto resources = LWInspectorHub::instance()->resources()->collectByType(m_resourceType, m_constraint);
    for (const LWInspectorResourceEntry &resource : resources) {
        const QString icon = resource.thumbnailPath.isEmpty()
                                 ? QString()
                                 : QUrl::fromLocalFile(resource.thumbnailPath).toString();
        entries.append({resource.title, icon, resource.resourceId});
    }
    return entries;
}

void LWPropChoiceViewModel::rebuildFromResources()
{
    if (m_resourceType < 0)
        return;
    setEntries(resourceEntries());
    if (m_autoEnable)
        setEnabled(true);
}

void LWPropChoiceViewModel::onResourceModelDataChanged(int type)
{
    if (type == m_resourceType || type == LWEffectCommon::LWResourceTypeAll)
        rebuildFromResources();
}

void LWPropChoiceViewModel::onResLibDataChanged()
{
    rebuildFromResources();
}

namespace {

// Profiles name the tutorial page by its path, so the guidance follows the
// publishing service the editor is configured for.
QString publishingAddress(const QString &address)
{
    if (address.startsWith(QLatin1Char('/')))
        return LWServiceConfig::baseUrl(QStringLiteral("publish")) + address;
    return address;
}

} // namespace

bool LWPropChoiceViewModel::chooseKey(const QString &key)
{
    if (key.isEmpty() || m_resourceType < 0)
        return false;
    rebuildFromResources();
    for (int i = 0; i < entryCount(); ++i) {
        if (keyOf(entry(i).value) == key) {
            setOptionIndex(i);
            return true;
        }
    }
    return false;
}

LWPropChoiceViewModel *LWPropChoiceViewModel::findIn(LWQmlViewModel *root, const QString &memberId)
{
    if (!root)
        return nullptr;
    if (auto *choice = qobject_cast<LWPropChoiceViewModel *>(root); choice && root->id() == memberId)
        return choice;
    for (const auto &child : root->children()) {
        if (LWPropChoiceViewModel *found = findIn(child.get(), memberId))
            return found;
    }
    return nullptr;
}

void LWPropChoiceViewModel::chooseFileAfterTutorial()
{
    const QJsonObject tutorial = componentValue("tutorial").toObject();
    if (tutorial.isEmpty()) {
        chooseFile();
        return;
    }
    LWTutorialHint hint;
    hint.title = componentValue("custom_title").toString(tutorial.value(QLatin1String("title")).toString());
    hint.content = componentValue("custom_content").toString(tutorial.value(QLatin1String("content")).toString());
    hint.urlTutorial = publishingAddress(tutorial.value(QLatin1String("url_tutorial")).toString());
    hint.urlDownload = publishingAddress(tutorial.value(QLatin1String("url_download")).toString());
    std::weak_ptr<LWQmlViewModel> weak = self();
    LWDialogs::instance()->showTutorial(hint, [weak](bool accepted) {
        auto node = std::static_pointer_cast<LWPropChoiceViewModel>(weak.lock());
        if (node && accepted)
            node->chooseFile();
    });
}
