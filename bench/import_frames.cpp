// Benchmark helper for import_frames.sh.
//
//   lwbench_import_frames make <folder> <count> <size>
//       writes <count> PNG frames of <size> x <size> into <folder>
//   lwbench_import_frames import <folder> <home>
//       imports <folder> as one frame sequence into a new project (data
//       folder under <home>) and prints the milliseconds the import took
//
// Start-up, project creation and clean-up are outside the measured time:
// only the import the author waits for is timed.

#include "LWBenchFrames.h"
#include "common/LWResources.h"
#include "workspace/LWEffectPackManager.h"
#include "workspace/LWProjectModel.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>
#include <unistd.h>

namespace {

using LWBenchFrames::make;

int import(const QString &folder)
{
    lwInitResources();
    LWEffectPackManager *packs = LWEffectPackManager::instance();
    packs->createProj();
    const QString project = packs->project()->folder();
    ::sync(); // earlier rounds' writes must not land in this one
    ImportResourceParam param;
    param.returnResourceId = true;
    QElapsedTimer timer;
    timer.start();
    const QString id = packs->importTextureFolderToWorkSpaceResource(folder, param);
    const qint64 elapsed = timer.nsecsElapsed();
    packs->clearWorkspace();
    QDir(project).removeRecursively();
    if (id.isEmpty())
        return 1;
    QTextStream(stdout) << QString::number(elapsed / 1e6, 'f', 2) << Qt::endl;
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc >= 4 && qstrcmp(argv[1], "import") == 0) {
        // The program's data folder is under the home folder.
        qputenv("HOME", argv[3]);
        qputenv("QT_LOGGING_RULES", "*.debug=false");
    }
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 5 && args.at(1) == QLatin1String("make"))
        return make(args.at(2), args.at(3).toInt(), args.at(4).toInt());
    if (args.size() == 4 && args.at(1) == QLatin1String("import"))
        return import(args.at(2));
    QTextStream(stderr) << "usage: lwbench_import_frames make <folder> <count> <size> | import <folder> <home>\n";
    return 2;
}
