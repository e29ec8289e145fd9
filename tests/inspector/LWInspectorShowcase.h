#pragma once

#include "inspector/LWInspectorViewModel.h"
#include "inspector/LWQmlViewDataSource.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QList>

// The inspector built from the showcase profile, which uses every control
// kind: the QML smoke test and the rendering test both draw it.
namespace LWInspectorShowcase {

inline QJsonObject readObject(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

// Its check section asks for the owner's uniforms.
class Uniforms : public LWQmlViewDataSource
{
public:
    QJsonValue value(QString dataId) override
    {
        return dataId == QLatin1String("uniformDef") ? QJsonValue(QJsonArray{"uTint"}) : QJsonValue();
    }
};

inline std::shared_ptr<LWInspectorViewModel> build(const QString &folder, LWQmlViewDataSource *source)
{
    return std::make_shared<LWInspectorViewModel>(readObject(folder + "/showcase.json"),
                                                  readObject(folder + "/showcase_data.json"), source);
}

// Every node reachable from the root, including the list views of the
// sections and the contents of pop-up panels, each once.
inline QList<LWQmlViewModel *> allNodes(LWQmlViewModel *root)
{
    QList<LWQmlViewModel *> nodes;
    QList<LWQmlViewModel *> pending{root};
    while (!pending.isEmpty()) {
        LWQmlViewModel *node = pending.takeFirst();
        if (!node || nodes.contains(node))
            continue;
        nodes << node;
        for (const auto &child : node->children())
            pending << child.get();
        for (const char *property : {"listView", "listViewModel", "contentItem"})
            pending << qobject_cast<LWQmlViewModel *>(node->property(property).value<QObject *>());
    }
    return nodes;
}

} // namespace LWInspectorShowcase
