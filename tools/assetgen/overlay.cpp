#include "overlay.h"

#include "catface.h"
#include "humandraw.h"
#include "humanface.h"
#include "makeup.h"

#include <QDir>
#include <QFont>
#include <QPainter>

namespace {

QImage plot(const QImage &base, const QVector<QPointF> &points, int scale, QPointF offset = {})
{
    QImage image = base.scaled(base.size() * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                       .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QFont font;
    font.setPixelSize(9 * scale / 2);
    p.setFont(font);
    for (int i = 0; i < points.size(); ++i) {
        const QPointF at = (points.at(i) + offset) * scale;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 200, 255));
        p.drawEllipse(at, 2.5, 2.5);
        p.setPen(QColor(i % 2 ? "#ffff00" : "#00ff66"));
        p.drawText(at + QPointF(3, -3), QString::number(i));
    }
    return image;
}

bool crop(const QImage &image, const QRect &area, const QString &file)
{
    return image.copy(area).save(file);
}

} // namespace

bool writePointOverlays(const QString &folder)
{
    QDir().mkpath(folder);
    const QImage human = plot(drawHumanFace(stickerFaceStyle()), humanFace().keyPoints(), 3);
    bool ok = human.save(folder + "/human_points.png");
    ok = crop(human, QRect(100 * 3, 400 * 3, 520 * 3, 180 * 3), folder + "/human_eyes.png") && ok;
    ok = crop(human, QRect(220 * 3, 500 * 3, 280 * 3, 350 * 3), folder + "/human_nose_mouth.png") && ok;
    ok = crop(human, QRect(30 * 3, 430 * 3, 200 * 3, 570 * 3), folder + "/human_jaw_left.png") && ok;
    const QImage cat = plot(drawCatFace(), catFace().keyPoints(), 2);
    ok = cat.save(folder + "/cat_points.png") && ok;
    const QImage mean = plot(drawHumanFace(meanFaceStyle()), humanFace().densePoints(), 2);
    ok = mean.save(folder + "/meanface_texcoord.png") && ok;
    return ok;
}
