// The recent-projects list "projs.json": read for the home window, then a
// save records a project in it. Whatever the file held, the saved project
// must come first afterwards and no other entry may be lost.
#include "LWFuzzSupport.h"
#include "common/LWDataPaths.h"
#include "common/LWJsonFile.h"
#include "workspace/LWRecentProjects.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    LWFuzz::init(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = LWDataPaths::recentProjectsPath();
    LWFuzz::writeFile(path, LWFuzz::bytes(data, size));
    LWRecentProjects::read();
    const int before = LWJsonFile::read(path).value(QStringLiteral("projs")).toArray().size();

    LWFuzz::Scratch scratch;
    const QString folder = scratch.file(QStringLiteral("Bee"));
    QDir().mkpath(folder);
    LWFuzz::writeFile(folder + QStringLiteral("/Bee.lwproj"), "{}");
    LWRecentProjects::record(folder);
    const QList<LWProjectInfo> shown = LWRecentProjects::read();
    if (shown.isEmpty() || shown.first().projFilePath != folder + QStringLiteral("/Bee.lwproj"))
        LWFuzz::fail("a saved project is not first in the recent list");
    const int after = LWJsonFile::read(path).value(QStringLiteral("projs")).toArray().size();
    if (after < before || after > before + 1)
        LWFuzz::fail("recording a project lost or duplicated entries",
                     QStringLiteral("%1 -> %2").arg(before).arg(after));
    QFile::remove(path);
    return 0;
}
