#pragma once

#include "inspector/LWInspectorViewModel.h"
#include "inspector/LWSecOptionViewModel.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

// Small helpers the inspector tests share: JSON from text, trees from a
// profile and data, and finding a node by its id.
namespace LWInspectorTest {

// Any JSON value from text ("1", "\"a\"", "{...}", "[...]").
inline QJsonValue json(const QByteArray &text)
{
    const QJsonDocument wrapped = QJsonDocument::fromJson("[" + text + "]");
    if (!wrapped.isArray())
        qWarning("test JSON does not parse: %s", text.constData());
    return wrapped.array().at(0);
}

inline QByteArray compact(const QJsonValue &value)
{
    return QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact).mid(1).chopped(1);
}

// A profile whose entry section holds the given components.
inline QJsonObject entryProfile(const QJsonArray &components, const QJsonObject &sections = {})
{
    QJsonObject profile = sections;
    profile.insert(QStringLiteral("LWEntry"),
                   QJsonObject{{QStringLiteral("sectionType"), QStringLiteral("LWSectionTypeInspector")},
                               {QStringLiteral("components"), components}});
    return profile;
}

inline std::shared_ptr<LWInspectorViewModel> build(const QJsonObject &profile, const QJsonValue &data,
                                                   LWQmlViewDataSource *source = nullptr)
{
    return std::make_shared<LWInspectorViewModel>(profile, data, source);
}

// Depth-first, children in order (option sections list every page's nodes).
template <typename T = LWQmlViewModel>
T *find(LWQmlViewModel *node, const QString &id)
{
    if (!node)
        return nullptr;
    for (const LWQmlViewModel::Ptr &child : node->children()) {
        if (child->id() == id) {
            if (auto *typed = qobject_cast<T *>(child.get()))
                return typed;
        }
        if (T *found = find<T>(child.get(), id))
            return found;
    }
    return nullptr;
}

template <typename T = LWQmlViewModel>
T *findType(LWQmlViewModel *node)
{
    if (!node)
        return nullptr;
    for (const LWQmlViewModel::Ptr &child : node->children()) {
        if (auto *typed = qobject_cast<T *>(child.get()))
            return typed;
        if (T *found = findType<T>(child.get()))
            return found;
    }
    return nullptr;
}

} // namespace LWInspectorTest

#define LW_COMPARE_JSON(actual, expected) \
    QCOMPARE(LWInspectorTest::compact(actual), LWInspectorTest::compact(expected))
