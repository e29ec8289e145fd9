// How opening, saving and exporting grow with the size of a project.
//
//   lwbench_project_scale <resources> <work folder>
//
// Builds a project of <resources> library entries: that many single images
// imported one by one, and a sticker whose part plays a sequence of as many
// frames (so the package carries them too). The project is saved, closed,
// and then opened, saved and exported three times each; the median of each
// is printed as "resources open_ms save_ms export_ms". Building the project
// is not timed.

#include "common/LWJsonFile.h"
#include "common/LWResources.h"
#include "workspace/LWEffectPackManager.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QJsonArray>
#include <QPainter>
#include <QTextStream>
#include <QUrl>
#include <algorithm>
#include <functional>

namespace {

QImage picture(int index)
{
    QImage image(64, 64, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor::fromHsv(index * 37 % 360, 180, 230));
    painter.drawEllipse(QPointF(32, 32), 10 + index % 20, 12);
    return image;
}

// A package of one sticker part playing <frames> frames, as the engine
// stores it, to be imported into the new project.
bool writeStickerPackage(const QString &folder, int frames)
{
    const QJsonObject anchorA{{"index", 74}, {"x", 100}, {"y", 120}};
    const QJsonObject anchorB{{"index", 77}, {"x", 220}, {"y", 120}};
    const QJsonObject part{
        {"position", QJsonObject{{"positionX", QJsonArray{anchorA, anchorB}}, {"positionY", QJsonArray()}}},
        {"positionRelationType", 1}, {"positionType", 1},
        {"rotateCenter", QJsonArray{QJsonObject{{"x", 160}, {"y", 150}}}},
        {"scale", QJsonObject{{"scaleX", QJsonObject{{"pointA", QJsonArray{anchorA}}, {"pointB", QJsonArray{anchorB}}}},
                              {"scaleY", QJsonObject{{"pointA", QJsonArray()}, {"pointB", QJsonArray()}}}}},
        {"triggerDelay", 0}, {"triggerLoop", 0}, {"triggerType", 0}, {"triggerStop", false},
        {"triggerDisappear", false}, {"triggerRestart", false}, {"width", 64.0}, {"height", 64.0},
        {"zPosition", 5000}, {"blendMode", 0}, {"frameCount", frames}, {"enable", true}, {"alphaFactor", 1.0}};
    const QString sticker = folder + QStringLiteral("/2DSticker");
    QDir().mkpath(sticker + QStringLiteral("/play"));
    bool ok = LWJsonFile::write(folder + QStringLiteral("/config.json"),
                                {{"name", "scale"}, {"version", "2.7.0"},
                                 {"effect", QJsonObject{{"Link", QJsonArray{QJsonObject{
                                                {"type", "2DSticker"}, {"zorder", 1}, {"path", "2DSticker/"}}}}}}})
              && LWJsonFile::write(sticker + QStringLiteral("/content.json"),
                                   {{"tag", "2DSticker_scale"}, {"version", "1.0"},
                                    {"requirement", QJsonObject{{"faceDetect", true}, {"matting", false}}},
                                    {"content", QJsonObject{{"path", "sticker.json"}}}})
              && LWJsonFile::write(sticker + QStringLiteral("/sticker.json"),
                                   {{"version", "1.1"}, {"parts", QJsonObject{{"play", part}}}});
    for (int i = 0; ok && i < frames; ++i)
        ok = picture(i).save(QStringLiteral("%1/play/play_%2.png").arg(sticker).arg(i, 3, 10, QLatin1Char('0')));
    return ok;
}

double medianMs(const std::function<void()> &step)
{
    QList<double> times;
    for (int round = 0; round < 3; ++round) {
        QElapsedTimer timer;
        timer.start();
        step();
        times << timer.nsecsElapsed() / 1e6;
    }
    std::sort(times.begin(), times.end());
    return times.at(1);
}

int run(int resources, const QString &work)
{
    lwInitResources();
    LWEffectPackManager *packs = LWEffectPackManager::instance();
    const QString images = work + QStringLiteral("/images");
    QDir().mkpath(images);
    packs->createProj();
    if (!writeStickerPackage(work + QStringLiteral("/package"), resources)
        || !packs->importEffect(work + QStringLiteral("/package")))
        return 1;
    for (int i = 0; i < resources; ++i) {
        const QString path = QStringLiteral("%1/image_%2.png").arg(images).arg(i);
        if (!picture(i + 1000).save(path))
            return 1;
        packs->importFileToWorkSpaceResource(QUrl::fromLocalFile(path).toString());
    }
    const QString folder = work + QStringLiteral("/Scale");
    packs->saveProjAs(QUrl::fromLocalFile(folder).toString());
    const QString project = folder + QStringLiteral("/Scale.lwproj");
    if (!QFileInfo::exists(project))
        return 1;
    packs->clearWorkspace();

    const double open = medianMs([&] {
        packs->clearWorkspace();
        packs->openProj(project);
    });
    const double save = medianMs([&] { packs->saveProj(); });
    const QString zip = work + QStringLiteral("/scale.zip");
    const double exported = medianMs([&] { packs->exportEffect(zip); });
    if (!QFileInfo::exists(zip))
        return 1;
    QTextStream(stdout) << resources << ' ' << QString::number(open, 'f', 1) << ' ' << QString::number(save, 'f', 1)
                        << ' ' << QString::number(exported, 'f', 1) << Qt::endl;
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "*.debug=false;*.warning=false");
    if (argc == 3) {
        // The program's data folder lives under the home folder.
        const QByteArray home = QByteArray(argv[2]) + "/home";
        QDir().mkpath(QString::fromLocal8Bit(home));
        qputenv("HOME", home);
    }
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args.at(1).toInt() > 0)
        return run(args.at(1).toInt(), args.at(2));
    QTextStream(stderr) << "usage: lwbench_project_scale <resources> <work folder>\n";
    return 2;
}
