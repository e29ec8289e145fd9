// Benchmark helper for compress_frames.sh.
//
//   lwbench_compress_frames make <folder> <count> <size>
//       writes <count> PNG frames of <size> x <size> into <folder>
//   lwbench_compress_frames install <home>
//       installs the quantiser into the data folder under <home> and prints
//       its path (the shell loop runs that same program)
//   lwbench_compress_frames compress <folder> <home> [level]
//       imports <folder> as one frame sequence into a new project (data
//       folder under <home>), switches it to the level (default 2) as the
//       inspector does and prints the milliseconds until the compressed
//       folder is in place, then the CPU milliseconds (user + system) that
//       the quantiser processes took
//
// Start-up, import, project creation and clean-up are outside the measured
// time: only the compression the author waits for is timed.

#include "LWBenchFrames.h"
#include "common/LWResources.h"
#include "compress/LWTextureCompess.h"
#include "resources/LWResource2DTextureFrameModel.h"
#include "resources/LWResourceManager.h"
#include "workspace/LWEffectPackManager.h"
#include "workspace/LWProjectModel.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>
#include <sys/resource.h>
#include <unistd.h>

namespace {

double childCpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
           + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

using LWBenchFrames::make;

int install()
{
    if (!LWTextureCompess::installQuantiser())
        return 1;
    QTextStream(stdout) << LWTextureCompess::quantiserPath() << Qt::endl;
    return 0;
}

int compress(const QString &folder, int level)
{
    lwInitResources();
    if (!LWTextureCompess::installQuantiser())
        return 1;
    LWEffectPackManager *packs = LWEffectPackManager::instance();
    packs->createProj();
    const QString project = packs->project()->folder();
    ImportResourceParam param;
    param.returnResourceId = true;
    const QString id = packs->importTextureFolderToWorkSpaceResource(folder, param);
    auto model = std::dynamic_pointer_cast<LWResource2DTextureFrameModel>(
        LWResourceManager::instance()->resourceModel(id));
    if (!model)
        return 1;
    bool completed = false;
    QEventLoop loop;
    QObject::connect(model.get(), &LWResource2DTextureFrameModel::compressionCompleted, &loop, [&] {
        completed = true;
        loop.quit();
    });
    QObject::connect(model.get(), &LWResource2DTextureFrameModel::compressionFailed, &loop, &QEventLoop::quit);
    ::sync(); // the import's writes must not land in the measured time

    const double cpuBefore = childCpuMs();
    QElapsedTimer timer;
    timer.start();
    model->chooseLevel(level);
    if (model->compressing())
        loop.exec();
    const qint64 elapsed = timer.nsecsElapsed();
    const double cpu = childCpuMs() - cpuBefore;

    const bool inPlace = completed && LWResourceManager::instance()->compressType(id) == level;
    model.reset();
    packs->clearWorkspace();
    QDir(project).removeRecursively();
    if (!inPlace)
        return 1;
    QTextStream(stdout) << QString::number(elapsed / 1e6, 'f', 2) << ' ' << QString::number(cpu, 'f', 2) << Qt::endl;
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The program's data folder is under the home folder.
    const char *home = nullptr;
    if (argc >= 3 && qstrcmp(argv[1], "install") == 0)
        home = argv[2];
    if (argc >= 4 && qstrcmp(argv[1], "compress") == 0)
        home = argv[3];
    if (home) {
        qputenv("HOME", home);
        qputenv("QT_LOGGING_RULES", "*.debug=false");
    }
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 5 && args.at(1) == QLatin1String("make"))
        return make(args.at(2), args.at(3).toInt(), args.at(4).toInt());
    if (args.size() == 3 && args.at(1) == QLatin1String("install"))
        return install();
    if ((args.size() == 4 || args.size() == 5) && args.at(1) == QLatin1String("compress"))
        return compress(args.at(2), args.size() == 5 ? args.at(4).toInt() : 2);
    QTextStream(stderr) << "usage: lwbench_compress_frames make <folder> <count> <size> | install <home>"
                           " | compress <folder> <home> [level]\n";
    return 2;
}
