// Benchmark helper for export_package.sh.
//
//   lwbench_export_package make <folder> <count> <size>
//       writes three frame folders (part_a, part_b, part_c) of <count> PNG
//       frames of <size> x <size> each into <folder>
//   lwbench_export_package export <folder> <home> <package.zip>
//       imports the three folders as the components of one 2D sticker in a
//       new project (data folder under <home>), exports the package to
//       <package.zip> and prints the milliseconds the export took
//   lwbench_export_package project <folder> <home> <project folder>
//       the same project, saved into <project folder> for lwpack to export
//
// Start-up, project creation, the imports and clean-up are outside the
// measured time: only the export the author waits for is timed.

#include "common/LWResources.h"
#include "features/sticker2d/LW2DStickerFeatureModel.h"
#include "workspace/LWEffectModel.h"
#include "workspace/LWEffectPackManager.h"
#include "workspace/LWProjectModel.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTextStream>
#include <unistd.h>

namespace {

const QStringList kParts{QStringLiteral("part_a"), QStringLiteral("part_b"), QStringLiteral("part_c")};

// Frames that compress like real artwork: soft shading, shapes, some grain.
QImage frame(int size, int part, int index)
{
    QImage image(size, size, QImage::Format_ARGB32);
    QRandomGenerator random(quint32(part * 100003 + index) + 1);
    for (int y = 0; y < size; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size; ++x) {
            const int grain = int(random.bounded(24));
            line[x] = qRgba((x + index * 3 + part * 40) % 256, (y + grain) % 256, (x + y) / 4 % 256, 255);
        }
    }
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor::fromHsv((index * 7 + part * 120) % 360, 200, 230));
    painter.drawEllipse(QPointF(size / 2.0, size / 2.0), size / 4.0 + index % 40, size / 5.0);
    return image;
}

int make(const QString &folder, int count, int size)
{
    for (int part = 0; part < kParts.size(); ++part) {
        const QString partFolder = folder + QLatin1Char('/') + kParts.at(part);
        QDir().mkpath(partFolder);
        for (int i = 0; i < count; ++i) {
            const QString path = QStringLiteral("%1/frame_%2.png").arg(partFolder).arg(i, 3, 10, QLatin1Char('0'));
            if (!frame(size, part, i).save(path, "PNG"))
                return 1;
        }
    }
    return 0;
}

// A new project of one 2D sticker whose three components are the frame
// folders.
bool makeProject(const QString &folder)
{
    lwInitResources();
    LWEffectPackManager *packs = LWEffectPackManager::instance();
    packs->createProj();
    packs->effect()->createFeature(LWEffectCommon::LWFeatureType2DSticker, {}, false);
    auto *sticker = dynamic_cast<LW2DStickerFeatureModel *>(packs->effect()->featureAt(0));
    if (!sticker)
        return false;
    for (const QString &part : kParts) {
        if (!sticker->importTextureFrom(folder + QLatin1Char('/') + part))
            return false;
    }
    return true;
}

int saveProject(const QString &folder, const QString &target)
{
    if (!makeProject(folder))
        return 1;
    LWEffectPackManager *packs = LWEffectPackManager::instance();
    packs->saveProjAs(QFileInfo(target).absoluteFilePath());
    if (!packs->isSaved())
        return 1;
    QTextStream(stdout) << packs->project()->projectFilePath() << Qt::endl;
    return 0;
}

int exportPackage(const QString &folder, const QString &target)
{
    if (!makeProject(folder))
        return 1;
    LWEffectPackManager *packs = LWEffectPackManager::instance();
    const QString project = packs->project()->folder();
    ::sync(); // the imports' writes must not land in the timed export
    QElapsedTimer timer;
    timer.start();
    const bool exported = packs->exportEffect(target);
    const qint64 elapsed = timer.nsecsElapsed();
    packs->clearWorkspace();
    QDir(project).removeRecursively();
    if (!exported)
        return 1;
    QTextStream(stdout) << QString::number(elapsed / 1e6, 'f', 2) << Qt::endl;
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc >= 5 && (qstrcmp(argv[1], "export") == 0 || qstrcmp(argv[1], "project") == 0)) {
        // The program's data folder is under the home folder.
        qputenv("HOME", argv[3]);
        qputenv("QT_LOGGING_RULES", "*.debug=false");
    }
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 5 && args.at(1) == QLatin1String("make"))
        return make(args.at(2), args.at(3).toInt(), args.at(4).toInt());
    if (args.size() == 5 && args.at(1) == QLatin1String("export"))
        return exportPackage(args.at(2), args.at(4));
    if (args.size() == 5 && args.at(1) == QLatin1String("project"))
        return saveProject(args.at(2), args.at(4));
    QTextStream(stderr) << "usage: lwbench_export_package make <folder> <count> <size>"
                            " | export <folder> <home> <package.zip> | project <folder> <home> <project folder>\n";
    return 2;
}
