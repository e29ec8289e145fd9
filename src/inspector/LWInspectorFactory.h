#pragma once

#include "LWQmlViewModel.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lwInspector)

// Turns profile entries into nodes: one table from component type to class
// and one from section type to class. An entry whose type is not in its
// table, and the types that make no node, give nothing; the rest of the
// panel is built (the skip is logged so that a profile typo is findable).
class LWInspectorFactory
{
public:
    // Deeper nesting than this is taken for a runaway profile.
    static constexpr int kMaxDepth = 64;

    // The piece of element a component is bound to: its "id" member, else
    // its "mapKey" member (wrapped into an array for "dataType": "array"),
    // else the whole element.
    static QJsonValue boundValue(const QJsonValue &component, const QJsonValue &element);

    // Component factory. "LWPropTypeNone" adds a hidden value to parent and
    // gives nothing; "LWSection" goes to createSection.
    static LWQmlViewModel::Ptr createComponent(const QJsonValue &component, const QJsonValue &bound,
                                               const QJsonObject &profile, LWQmlViewModel *parent);
    // Section factory: the class named by the "sectionType" of the section
    // that component["sec"] names.
    static LWQmlViewModel::Ptr createSection(const QJsonValue &component, const QJsonValue &bound,
                                             const QJsonObject &profile, LWQmlViewModel *parent);

    // Enum value for a name, -1 when the name is not in the table.
    static int componentType(const QString &name);
    static int sectionType(const QString &name);

private:
    static bool wouldRecurse(const QString &sectionName, const QJsonValue &bound, const LWQmlViewModel *parent);
};
