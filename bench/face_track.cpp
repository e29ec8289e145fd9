// The preview's face tracking: how long the face model takes to load, how
// close the mapped points land to the standard face's table, and how fast
// tracking plus drawing runs on a moving face.
//
//   lwbench_face_track load
//   lwbench_face_track accuracy [picture.png] [--overlay out.png]
//                                  (default: the standard face)
//   lwbench_face_track speed PACKAGE.zip... [--frames N] [--size WxH] [--paced]
//
// "speed" makes its own video: the standard face at the frame's height,
// sliding and turning a little, and tracks and draws every frame on one
// thread, as the preview's worker does. It prints frames a second and the
// share of one core and of the machine the run took; --paced feeds the
// frames at 30 a second, as a camera does, for the share that costs.

#include "common/LWResources.h"
#include "features/sticker2d/NS2DStickerParameter.h"
#include "render/LWEffectRenderer.h"
#include "render/LWFaceActions.h"
#include "render/LWFaceModel.h"
#include "render/LWFaceTracker.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineF>
#include <QPainter>
#include <QTextStream>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <ctime>

namespace {

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

QImage standardFace()
{
    return QImage(QStringLiteral(":/LW2DSticker/imgStandardFaceHuman.png")).convertToFormat(QImage::Format_RGB32);
}

// Frame i of the made-up video: the face at the frame's height, sliding
// from side to side and rolling a few degrees.
QImage videoFrame(const QImage &face, const QSize &size, int i)
{
    QImage frame(size, QImage::Format_RGB32);
    frame.fill(QColor(198, 208, 220));
    QPainter p(&frame);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const double k = double(size.height()) / face.height();
    const double phase = i * 2 * M_PI / 90;
    p.translate(size.width() / 2.0 + std::sin(phase) * size.width() * 0.12, size.height() / 2.0);
    p.rotate(std::sin(phase * 1.5) * 6);
    p.scale(k, k);
    p.drawImage(QPointF(-face.width() / 2.0, -face.height() / 2.0), face);
    return frame;
}

double cpuSeconds()
{
    return double(std::clock()) / CLOCKS_PER_SEC;
}

int load()
{
    QElapsedTimer clock;
    clock.start();
    QString error;
    const auto model = LWFaceModel::load(LWFaceModel::findModel(&error), &error);
    if (!model) {
        out() << error << Qt::endl;
        return 1;
    }
    out() << "model loaded in " << clock.elapsed() << " ms" << Qt::endl;
    return 0;
}

// The table's points (green) and the mapped ones (red), joined; a photo
// without a table gets the mapped ones alone. Dots scale with the face.
void drawOverlay(const QImage &picture, const QVector<QPointF> &table, const QVector<QPointF> &mapped, const QString &file)
{
    QImage canvas = picture.convertToFormat(QImage::Format_RGB32);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    const bool hasTable = table.size() >= 106;
    const double r = std::max(1.0, QLineF(mapped.at(0), mapped.at(32)).length() / 170);
    for (int i = 0; i < 106; ++i) {
        if (hasTable) {
            p.setPen(QPen(QColor(255, 255, 0), r / 3));
            p.drawLine(table.at(i), mapped.at(i));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0, 200, 0));
            p.drawEllipse(table.at(i), r, r);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(230, 0, 0));
        p.drawEllipse(mapped.at(i), r, r);
    }
    canvas.save(file);
}

// How many points miss the table by more than the target, and the worst
// few of them with where they land from the table's point (mapped minus
// table, pixels).
void printMisses(const QVector<QPointF> &table, const QVector<QPointF> &mapped, double width)
{
    constexpr double kTarget = 3; // % of the face width
    QVector<int> misses;
    for (int i = 0; i < 106; ++i) {
        if (QLineF(table.at(i), mapped.at(i)).length() / width * 100 > kTarget)
            misses << i;
    }
    const auto error = [&](int i) { return QLineF(table.at(i), mapped.at(i)).length(); };
    std::sort(misses.begin(), misses.end(), [&](int a, int b) { return error(a) > error(b); });
    constexpr int kListed = 10;
    QStringList listed;
    for (int i : misses.mid(0, kListed)) {
        const QPointF off = mapped.at(i) - table.at(i);
        listed << QStringLiteral("%1 %2 % (%3, %4)")
                      .arg(i)
                      .arg(error(i) / width * 100, 0, 'f', 2)
                      .arg(off.x(), 0, 'f', 0)
                      .arg(off.y(), 0, 'f', 0);
    }
    out() << QStringLiteral("over %1 %: %2 points%3%4\n")
                 .arg(kTarget)
                 .arg(misses.size())
                 .arg(misses.isEmpty() ? QString() : QStringLiteral(", the worst: "))
                 .arg(listed.join(QStringLiteral(", ")));
}

// A drawing carries its table beside it (NAME.txt by NAME.png); the
// standard face's is the resource's. A photo has none: only where the
// points land is printed.
int accuracy(const QString &path, const QString &overlay)
{
    QString error;
    const auto model = LWFaceModel::shared(&error);
    if (!model) {
        out() << error << Qt::endl;
        return 1;
    }
    const QImage picture = path.isEmpty() ? standardFace() : QImage(path);
    LWFaceTracker tracker(model);
    const LWFaceTracker::Result result = tracker.still(picture);
    if (!result.hasPoints()) {
        out() << "no face found" << Qt::endl;
        return 1;
    }
    for (int i = 0; i < result.landmarks.size(); ++i)
        out() << QStringLiteral("landmark %1 %2 %3\n").arg(i).arg(result.landmarks.at(i).x()).arg(result.landmarks.at(i).y());
    out() << QStringLiteral("nose tip %1 %2\n").arg(result.points.at(46).x(), 0, 'f', 1).arg(result.points.at(46).y(), 0, 'f', 1);
    const QString tableFile = QFileInfo(path).path() + '/' + QFileInfo(path).completeBaseName() + ".txt";
    QVector<QPointF> table;
    if (path.isEmpty())
        table = NS2DStickerParameter::faceTypeData(0).keyPoints;
    else if (QFileInfo(tableFile).isFile())
        table = NS2DStickerParameter::readPointFile(tableFile);
    if (table.size() >= 106) {
        const double width = QLineF(table.at(0), table.at(32)).length();
        double sum = 0, worst = 0;
        int worstAt = -1;
        for (int i = 0; i < 106; ++i) {
            const double e = QLineF(table.at(i), result.points.at(i)).length() / width * 100;
            sum += e;
            if (e > worst) {
                worst = e;
                worstAt = i;
            }
            out() << QStringLiteral("point %1 %2 %\n").arg(i, 3).arg(e, 0, 'f', 2);
        }
        out() << QStringLiteral("mean %1 % of the face width (%2 px), worst %3 % at point %4\n")
                     .arg(sum / 106, 0, 'f', 2)
                     .arg(width, 0, 'f', 0)
                     .arg(worst, 0, 'f', 2)
                     .arg(worstAt);
        printMisses(table, result.points, width);
    }
    LWFaceActions::Measures m;
    if (LWFaceActions::measure(result.points, m)) {
        out() << QStringLiteral("eyes %1 mouth %2 brows %3 pitch %4 yaw %5\n")
                     .arg(m.eyes, 0, 'f', 3).arg(m.mouth, 0, 'f', 3).arg(m.brows, 0, 'f', 3)
                     .arg(m.pitch, 0, 'f', 3).arg(m.yaw, 0, 'f', 3);
    }
    if (!overlay.isEmpty())
        drawOverlay(picture, table, result.points, overlay);
    return 0;
}

int speed(const QStringList &args)
{
    QStringList packages;
    int frames = 300;
    QSize size(640, 360);
    bool paced = false;
    for (int i = 0; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--frames") && i + 1 < args.size())
            frames = args.at(++i).toInt();
        else if (args.at(i) == QLatin1String("--paced"))
            paced = true;
        else if (args.at(i) == QLatin1String("--size") && i + 1 < args.size())
            size = QSize(args.at(i + 1).section('x', 0, 0).toInt(), args.at(i + 1).section('x', 1).toInt()), ++i;
        else
            packages << args.at(i);
    }
    QString error;
    const auto model = LWFaceModel::shared(&error);
    if (!model) {
        out() << error << Qt::endl;
        return 1;
    }
    const QImage face = standardFace();
    QVector<QImage> video;
    for (int i = 0; i < frames; ++i)
        video << videoFrame(face, size, i);
    const int cores = QThread::idealThreadCount();
    for (const QString &path : packages) {
        LWRenderPackage::Package package;
        if (!LWRenderPackage::readZip(path, package, &error)) {
            out() << path << ": " << error << Qt::endl;
            continue;
        }
        LWFaceTracker tracker(model);
        LWEffectRenderer renderer;
        int found = 0;
        qint64 trackNs = 0, drawNs = 0;
        QElapsedTimer wall;
        const double cpu0 = cpuSeconds();
        wall.start();
        for (int i = 0; i < frames; ++i) {
            QElapsedTimer step;
            step.start();
            const LWFaceTracker::Result result = tracker.track(video.at(i), i * 1000 / 30);
            trackNs += step.nsecsElapsed();
            found += result.hasPoints();
            LWEffectRenderer::Request request;
            request.timeMs = i * 1000 / 30;
            request.picture = video.at(i);
            request.facePoints = result.points;
            request.size = size;
            step.restart();
            renderer.render(package, request);
            drawNs += step.nsecsElapsed();
            // At the camera's pace the figure that counts is the CPU share.
            if (paced) {
                const qint64 due = qint64(i + 1) * 1000000000 / 30;
                if (wall.nsecsElapsed() < due)
                    QThread::usleep(quint64((due - wall.nsecsElapsed()) / 1000));
            }
        }
        const double seconds = wall.nsecsElapsed() / 1e9;
        const double cpu = cpuSeconds() - cpu0;
        out() << QStringLiteral("%1: %2 fps at %3 x %4 (tracking %5 ms, drawing %6 ms a frame), face in %7 of %8 "
                                "frames, CPU %9 % of one core, %10 % of %11 cores\n")
                     .arg(QFileInfo(path).fileName())
                     .arg(frames / seconds, 0, 'f', 1)
                     .arg(size.width())
                     .arg(size.height())
                     .arg(trackNs / 1e6 / frames, 0, 'f', 1)
                     .arg(drawNs / 1e6 / frames, 0, 'f', 1)
                     .arg(found)
                     .arg(frames)
                     .arg(cpu / seconds * 100, 0, 'f', 0)
                     .arg(cpu / seconds * 100 / cores, 0, 'f', 0)
                     .arg(cores);
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    lwInitResources();
    const QStringList args = app.arguments().mid(1);
    const QString mode = args.value(0);
    if (mode == QLatin1String("load"))
        return load();
    if (mode == QLatin1String("accuracy"))
        return accuracy(args.value(1) == QLatin1String("--overlay") ? QString() : args.value(1),
                        args.indexOf(QStringLiteral("--overlay")) > 0 ? args.value(args.indexOf(QStringLiteral("--overlay")) + 1)
                                                                      : QString());
    if (mode == QLatin1String("speed"))
        return speed(args.mid(1));
    QTextStream(stderr) << "usage: lwbench_face_track load | accuracy [picture] [--overlay out.png]"
                           " | speed PACKAGE.zip... [--frames N] [--size WxH] [--paced]\n";
    return 64;
}
