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

#include "common/LWResources.h"
#include "workspace/LWEffectPackManager.h"
#include "workspace/LWProjectModel.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTextStream>
#include <unistd.h>

namespace {

// Frames that compress like real artwork: soft shading, shapes, some grain.
QImage frame(int size, int index)
{
    QImage image(size, size, QImage::Format_ARGB32);
    QRandomGenerator random(quint32(index) + 1);
    for (int y = 0; y < size; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size; ++x) {
            const int grain = int(random.bounded(24));
            line[x] = qRgba((x + index * 3) % 256, (y + grain) % 256, (x + y) / 4 % 256, 255);
        }
    }
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor::fromHsv(index * 7 % 360, 200, 230));
    painter.drawEllipse(QPointF(size / 2.0, size / 2.0), size / 4.0 + index % 40, size / 5.0);
    return image;
}

int make(const QString &folder, int count, int size)
{
    QDir().mkpath(folder);
    for (int i = 0; i < count; ++i) {
        const QString path = QStringLiteral("%1/frame_%2.png").arg(folder).arg(i, 3, 10, QLatin1Char('0'));
        if (!frame(size, i).save(path, "PNG"))
            return 1;
    }
    return 0;
}

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
