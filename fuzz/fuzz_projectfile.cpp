// The project file "<name>.lwproj": any bytes must open, give usable
// names, and survive a write and a second read unchanged.
#include "LWFuzzSupport.h"
#include "workspace/LWProjectFile.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    LWFuzz::init(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    LWFuzz::Scratch scratch;
    const QString path = scratch.file(QStringLiteral("Bee.lwproj"));
    LWFuzz::writeFile(path, LWFuzz::bytes(data, size));
    const LWProjectFile project = LWProjectFile::read(path);
    if (project.name.isEmpty() || project.effectFolderName.isEmpty())
        LWFuzz::fail("a project file gave an empty name or effect folder");
    const QString copy = scratch.file(QStringLiteral("Copy.lwproj"));
    if (!project.write(copy))
        LWFuzz::fail("a project file could not be written back");
    const LWProjectFile again = LWProjectFile::read(copy);
    // Text with lone surrogates has no UTF-8 form; it comes back replaced.
    const auto encodable = [](const QString &text) { return QString::fromUtf8(text.toUtf8()) == text; };
    if (!encodable(project.name) || !encodable(project.effectFolderName))
        return 0;
    if (again.name != project.name || again.effectFolderName != project.effectFolderName)
        LWFuzz::fail("a project file changed on its way through write and read", again.name);
    return 0;
}
