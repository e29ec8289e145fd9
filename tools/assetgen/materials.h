#pragma once

#include <QImage>
#include <QList>
#include <QString>

// The material library's starting catalogue, served by lwservice: frame
// sequences (a zip of numbered PNG frames with an animated GIF icon) and
// single pictures (a PNG with a PNG icon).
namespace Materials {

struct Sequence
{
    QString name;
    QList<QImage> frames;
    int delayCentiseconds;
};

struct Picture
{
    QString name;
    QImage image;
};

QList<Sequence> sequences();
QList<Picture> pictures();

// The icon of a frame or picture: centred in a square of 96 pixels.
QImage icon(const QImage &image);

// Writes "<name>.zip", "<name>_icon.gif", "<name>.png", "<name>_icon.png"
// and "catalogue.json" (in listing order) into folder.
bool generate(const QString &folder);

} // namespace Materials
