// assetgen <assets folder>: redraws every generated asset.
//
// Drawing is deterministic (no randomness, no system fonts in shapes) so a
// rerun reproduces the committed files.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

#include <functional>

namespace {

QString g_root;

bool save(const QImage &image, const QString &relative, const char *format = nullptr)
{
    const QString path = g_root + QLatin1Char('/') + relative;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImageWriter writer(path, format);
    if (!writer.write(image)) {
        QTextStream(stderr) << "assetgen: cannot write " << path << ": " << writer.errorString() << "\n";
        return false;
    }
    return true;
}

// The program icon: a glowing spark over a rounded tile.
QImage drawAppIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    QLinearGradient tile(0, 0, s, s);
    tile.setColorAt(0, QColor("#ff9a5a"));
    tile.setColorAt(1, QColor("#e0457b"));
    p.setPen(Qt::NoPen);
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(s * 0.04, s * 0.04, s * 0.92, s * 0.92), s * 0.22, s * 0.22);

    QPainterPath spark;
    const QPointF c(s * 0.5, s * 0.5);
    const qreal r = s * 0.32, k = s * 0.07;
    spark.moveTo(c.x(), c.y() - r);
    spark.quadTo(c.x() + k, c.y() - k, c.x() + r, c.y());
    spark.quadTo(c.x() + k, c.y() + k, c.x(), c.y() + r);
    spark.quadTo(c.x() - k, c.y() + k, c.x() - r, c.y());
    spark.quadTo(c.x() - k, c.y() - k, c.x(), c.y() - r);
    p.setBrush(QColor("#fff6ec"));
    p.drawPath(spark);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(QPointF(s * 0.74, s * 0.27), s * 0.05, s * 0.05);
    return image;
}

bool generateAppIcon()
{
    return save(drawAppIcon(256), QStringLiteral("win_resource/AppIcon.ico"), "ico")
        && save(drawAppIcon(256), QStringLiteral("win_resource/AppIcon.png"));
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: assetgen <assets folder>\n";
        return 64;
    }
    g_root = QString::fromLocal8Bit(argv[1]);
    const std::function<bool()> generators[] = {generateAppIcon};
    bool ok = true;
    for (const auto &generate : generators)
        ok = generate() && ok;
    return ok ? 0 : 1;
}
