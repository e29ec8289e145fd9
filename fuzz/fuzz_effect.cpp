// effect.json of a project: the effect and its features are built from
// it, saved again and exported. Whatever the document says, the files go
// into the folders they were asked for and nowhere else.
#include "LWFuzzSupport.h"
#include "workspace/LWEffectModel.h"

#include <QDir>
#include <memory>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    LWFuzz::init(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    LWFuzz::Scratch scratch;
    const QString effectFolder = scratch.file(QStringLiteral("effect"));
    QDir().mkpath(effectFolder);
    LWFuzz::writeFile(effectFolder + QStringLiteral("/effect.json"), LWFuzz::bytes(data, size));
    const QStringList outside = LWFuzz::treeOutside(scratch.path());
    {
        std::unique_ptr<LWEffectModel> effect(LWEffectModel::load(effectFolder));
        SaveParam project;
        project.path = scratch.file(QStringLiteral("saved"));
        project.bSaveProject = true;
        effect->save(project);
        SaveParam package;
        package.path = scratch.file(QStringLiteral("package"));
        package.bSaveProject = false;
        effect->save(package);
    }
    LWFuzz::drain();
    for (const QString &entry : LWFuzz::tree(scratch.path())) {
        const QString top = entry.section(QLatin1Char('/'), 0, 0);
        if (top != QLatin1String("effect") && top != QLatin1String("saved") && top != QLatin1String("package"))
            LWFuzz::fail("a file was written beside the effect", entry);
    }
    if (LWFuzz::treeOutside(scratch.path()) != outside)
        LWFuzz::fail("loading, saving or exporting an effect touched files outside its folders");
    return 0;
}
