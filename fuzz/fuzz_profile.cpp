// Inspector profiles: a panel is built from a profile (the input up to
// "\n---\n") and its owner's data (the rest), every node is asked what the
// views ask, and the edited value is assembled as after an edit.
#include "LWFuzzSupport.h"
#include "inspector/LWInspectorViewModel.h"
#include "inspector/LWSecOptionViewModel.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

void visit(LWQmlViewModel *node, int depth)
{
    if (!node || depth > 200)
        return;
    node->qmlPath();
    node->height();
    node->name();
    node->value();
    for (const LWQmlViewModel::Ptr &child : node->children())
        visit(child.get(), depth + 1);
    if (auto *options = qobject_cast<LWSecOptionViewModel *>(node)) {
        for (int page = 0; page < options->pageCount(); ++page) {
            for (const LWQmlViewModel::Ptr &child : options->page(page))
                visit(child.get(), depth + 1);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    LWFuzz::init(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const LWFuzzParts parts = LWFuzzParts::split(LWFuzz::bytes(data, size));
    const QJsonDocument profile = QJsonDocument::fromJson(parts.first);
    if (!profile.isObject())
        return 0;
    const QJsonDocument owner = QJsonDocument::fromJson("[" + parts.second + "]");
    const QJsonValue ownerData = owner.isArray() ? owner.array().at(0) : QJsonValue();
    {
        auto root = std::make_shared<LWInspectorViewModel>(profile.object(), ownerData);
        visit(root.get(), 0);
    }
    LWFuzz::drain();
    return 0;
}
