#include "LWQmlViewModel.h"

#include "LWInspectorFactory.h"
#include "LWInspectorHub.h"
#include "LWQmlViewDataSource.h"
#include "LWViewData.h"

#include <QJsonArray>
#include <QQmlEngine>
#include <QUuid>

const char *const LWQmlViewModel::kDefaultBackground = "#3C434D";

namespace {
QString freshUuid()
{
    return QUuid::createUuid().toString(QUuid::Id128);
}
} // namespace

LWQmlViewModel::LWQmlViewModel(LWQmlViewModel *parent)
    : m_parent(parent)
    , m_uuid(freshUuid())
{
    // Nodes are owned by shared pointers; the views must never collect them.
    QQmlEngine::setObjectOwnership(this, QQmlEngine::CppOwnership);
    connect(this, &LWQmlViewModel::qmlViewDataChanged, LWInspectorHub::instance(),
            &LWInspectorHub::announceInspectorDataChanged);
}

LWQmlViewModel::~LWQmlViewModel() = default;

void LWQmlViewModel::setName(const QString &name)
{
    if (name == m_name)
        return;
    m_name = name;
    emit nameChanged();
}

void LWQmlViewModel::setLabelWidth(int width)
{
    if (width == m_labelWidth)
        return;
    m_labelWidth = width;
    emit labelWidthChanged();
}

void LWQmlViewModel::setHeight(int height)
{
    if (height == m_height)
        return;
    m_height = height;
    announceHeightChange();
}

const LWViewData *LWQmlViewModel::hiddenValue(int index) const
{
    if (index < 0 || index >= hiddenValueCount())
        return nullptr;
    return m_hiddenValues[size_t(index)].get();
}

void LWQmlViewModel::addHiddenValue(std::unique_ptr<LWViewData> hidden)
{
    if (hidden)
        m_hiddenValues.push_back(std::move(hidden));
}

LWQmlViewDataSource *LWQmlViewModel::dataSource() const
{
    for (const LWQmlViewModel *node = this; node; node = node->m_parent) {
        if (node->m_dataSource)
            return node->m_dataSource;
    }
    return nullptr;
}

void LWQmlViewModel::announceHeightChange()
{
    for (LWQmlViewModel *node = this; node; node = node->m_parent)
        node->emitHeightChanged();
}

void LWQmlViewModel::initSection(const QJsonValue &component, const QJsonValue &data, const QJsonObject &profile)
{
    m_id = component[QLatin1String("id")].toString();
    m_component = component;
    m_sectionName = component[QLatin1String("sec")].toString();
    m_definition = profile.value(m_sectionName);
    m_profile = profile;
    m_data = data;
    readAppearance(m_definition);
}

void LWQmlViewModel::initProperty(const QString &id, const QJsonValue &component, const QJsonValue &value)
{
    m_id = id;
    m_component = component;
    m_definition = component;
    m_data = value;
    m_name = component[QLatin1String("label")].toString();
    readAppearance(component);
}

void LWQmlViewModel::readAppearance(const QJsonValue &object)
{
    const QJsonValue background = object[QLatin1String("background")];
    m_color = background.isString() ? background.toString() : QString::fromLatin1(kDefaultBackground);
    m_sectionIcon = object[QLatin1String("icon")].toString();
    m_hasSplit = object[QLatin1String("split")].toBool(false);
}

QString LWQmlViewModel::dataType() const
{
    return m_definition[QLatin1String("dataType")].toString();
}

// --- building ----------------------------------------------------------------

void LWQmlViewModel::buildChildren(const QJsonObject &profile, bool clear)
{
    const QString mode = dataType();
    if (mode == QLatin1String("array")) {
        const QJsonArray elements = m_data.toArray();
        for (const QJsonValue &element : elements)
            buildComponents(element, profile, clear);
    } else if (mode == QLatin1String("singleValueArray")) {
        m_arrayId = m_definition[QLatin1String("arrayId")].toString();
        const QJsonArray elements = m_data.toArray();
        bool first = true;
        for (const QJsonValue &element : elements) {
            buildComponents(QJsonObject{{m_arrayId, element}}, profile, first);
            first = false;
        }
    } else if (mode == QLatin1String("arrayMap")) {
        // Elements are grouped by the member that "arrayMapId" names; a
        // group of one is bound as the element itself, a larger group as
        // the array of its elements, all in one object keyed by group.
        const QString mapId = m_definition[QLatin1String("arrayMapId")].toString();
        QJsonObject groups;
        const QJsonArray elements = m_data.toArray();
        for (const QJsonValue &element : elements) {
            const QJsonValue key = element[mapId];
            const QString group = key.isDouble() ? QString::number(key.toDouble()) : key.toString();
            const QJsonValue existing = groups.value(group);
            if (existing.isUndefined())
                groups.insert(group, element);
            else if (existing.isArray())
                groups.insert(group, QJsonArray(existing.toArray()) << element);
            else
                groups.insert(group, QJsonArray{existing, element});
        }
        buildComponents(groups, profile, true);
    } else {
        buildComponents(m_data, profile, true);
    }
}

void LWQmlViewModel::buildComponents(const QJsonValue &element, const QJsonObject &profile, bool clear)
{
    if (clear)
        m_children.clear();
    const QJsonArray components = m_definition[QLatin1String("components")].toArray();
    for (const QJsonValue &component : components) {
        const QJsonValue bound = LWInspectorFactory::boundValue(component, element);
        Ptr node = LWInspectorFactory::createComponent(component, bound, profile, this);
        if (node)
            m_children.append(std::move(node));
    }
}

// --- value assembly ----------------------------------------------------------

void LWQmlViewModel::mergeValue(QJsonObject &o, const QString &id, const QString &arrayId, const QJsonValue &v)
{
    if (v.isNull() || v.isUndefined())
        return;
    if (!id.isEmpty()) {
        o.insert(id, v);
        return;
    }
    if (v.isObject()) {
        const QJsonObject members = v.toObject();
        for (auto it = members.begin(); it != members.end(); ++it)
            o.insert(it.key(), it.value());
    } else if (v.isArray()) {
        o.insert(arrayId.isEmpty() ? QStringLiteral("__ARRAYELEMENT") : arrayId, v);
    }
}

void LWQmlViewModel::collectValue(QJsonObject &out) const
{
    for (const Ptr &child : m_children)
        mergeValue(out, child->id(), child->arrayId(), child->value());
}

void LWQmlViewModel::collectElementValue(int index, QJsonObject &out) const
{
    if (index < 0 || index >= m_children.size())
        return;
    const Ptr &child = m_children.at(index);
    mergeValue(out, child->id(), child->arrayId(), child->value());
}

void LWQmlViewModel::collectSingleValue(int index, QJsonValue &out) const
{
    if (index < 0 || index >= m_children.size())
        return;
    out = m_children.at(index)->value();
}

QJsonValue LWQmlViewModel::value() const
{
    const QString mode = dataType();
    const QLatin1String element("__ARRAYELEMENT");
    if (mode == QLatin1String("array")) {
        QJsonArray result;
        for (int i = 0; i < m_children.size(); ++i) {
            QJsonObject o;
            collectElementValue(i, o);
            if (const LWViewData *hidden = hiddenValue(i))
                mergeValue(o, hidden->id(), QString(), hidden->value());
            result.append(o.contains(element) ? o.value(element) : QJsonValue(o));
        }
        return result;
    }
    if (mode == QLatin1String("arrayMap")) {
        QJsonArray result;
        for (int i = 0; i < m_children.size(); ++i) {
            QJsonObject o;
            collectElementValue(i, o);
            if (o.isEmpty())
                continue;
            if (o.contains(element)) {
                const QJsonArray members = o.value(element).toArray();
                for (const QJsonValue &member : members)
                    result.append(member);
            } else {
                result.append(o);
            }
        }
        return result;
    }
    if (mode == QLatin1String("singleValueArray")) {
        QJsonArray result;
        for (int i = 0; i < m_children.size(); ++i) {
            QJsonValue single;
            collectSingleValue(i, single);
            if (!single.isUndefined())
                result.append(single);
        }
        return result;
    }
    QJsonObject o;
    collectValue(o);
    for (const auto &hidden : m_hiddenValues)
        mergeValue(o, hidden->id(), QString(), hidden->value());
    if (m_component[QLatin1String("needCompUuid")].toBool(false))
        o.insert(QStringLiteral("__compUuid"), m_uuid);
    return o;
}

// --- messages and list requests ----------------------------------------------

void LWQmlViewModel::removeItem(const Ptr &)
{
}

void LWQmlViewModel::requestRemoveItem(const Ptr &)
{
}

void LWQmlViewModel::notifyChildren(int kinds, const QJsonValue &payload)
{
    // A copy: a reaction may reshape the list.
    const QList<Ptr> children = m_children;
    for (const Ptr &child : children)
        child->notifyChildren(kinds, payload);
}
