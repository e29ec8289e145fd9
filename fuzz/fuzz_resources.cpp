// The resource manifest "resourcemanager.json": the library is loaded from
// it, every record is looked up, copied out and shown in its panel, and the
// library is saved twice. Every file a record leads to lies in the
// library's resources folder; saving what was loaded is stable.
#include "LWFuzzSupport.h"
#include "resources/LWResourceManager.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

bool inside(const QString &path, const QString &folder)
{
    if (path.isEmpty())
        return true;
    const QString clean = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    const QString root = QDir::cleanPath(folder);
    return clean == root || clean.startsWith(root + QLatin1Char('/'));
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    LWFuzz::init(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    LWFuzz::Scratch scratch;
    // Something a manifest must never reach: a file beside the project.
    LWFuzz::writeFile(scratch.file(QStringLiteral("private.png")), "not for the package");
    const QString effect = scratch.file(QStringLiteral("project/effect"));
    QDir().mkpath(effect + QStringLiteral("/Resources"));
    LWFuzz::writeFile(effect + QStringLiteral("/resourcemanager.json"), LWFuzz::bytes(data, size));
    LWResourceManager *library = LWResourceManager::instance();
    if (library->load(effect)) {
        const QString resources = library->resourcesFolder();
        if (!inside(resources, effect))
            LWFuzz::fail("the resources folder lies outside the effect folder", resources);
        const QString out = scratch.file(QStringLiteral("out"));
        for (const auto &record : library->records()) {
            const QString id = record->resourceId;
            const QStringList paths = QStringList{library->absolutePath(id), library->firstImage(id)}
                                      + library->frameFileList(id);
            for (const QString &path : paths) {
                if (!inside(path, resources))
                    LWFuzz::fail("a record leads out of the resources folder", path);
            }
            library->frameCount(id);
            library->sizeOnDisk(id);
            library->displayName(id);
            library->inspectorModel(id);
            library->copyOut(id, out);
        }
        for (const QString &file : LWFuzz::tree(out)) {
            if (readAll(out + QLatin1Char('/') + file) == "not for the package")
                LWFuzz::fail("a record copied a file from outside the library", file);
        }
        const QString first = scratch.file(QStringLiteral("first"));
        const QString second = scratch.file(QStringLiteral("second"));
        QDir().mkpath(first);
        QDir().mkpath(second);
        library->save(first);
        if (library->load(first)) {
            library->save(second);
            if (readAll(first + QStringLiteral("/resourcemanager.json"))
                != readAll(second + QStringLiteral("/resourcemanager.json")))
                LWFuzz::fail("a saved manifest reads back differently");
        }
    }
    library->unload();
    LWFuzz::drain();
    return 0;
}
