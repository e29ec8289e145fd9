#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

// Frame folders of sticker parts: reading them, and writing them the way
// the engine reads them ("<key>/<key>_000.png", "<key>_001.png" ...).
namespace LW2DStickerFrames {

// The placeholder a part without texture shows and exports.
QString placeholderImage();

// The PNG files of a folder, in name order.
QStringList pngFiles(const QString &folder);
// The size of the first PNG of the folder; invalid when there is none.
QSize firstFrameSize(const QString &folder);

// The image files of a resource in frame order: the frames of a frame
// sequence, the file of a single texture; empty for an unknown id.
QStringList resourceFrames(const QString &resourceId);

// A folder name that stays inside the folder it is joined to.
bool isPlainName(const QString &name);
// The name with anything that would leave the folder replaced.
QString safeName(const QString &name);

// Writes the images into "<packageFolder>/<key>/" as numbered PNGs (other
// formats are converted). Returns how many frames were written.
int exportFrames(const QStringList &images, const QString &packageFolder, const QString &key);
// One placeholder frame in "<packageFolder>/<key>/"; false when it could
// not be written.
bool exportPlaceholder(const QString &packageFolder, const QString &key);

// "%1/%2_%3.png" for frame index (three digits, more past 999).
QString framePath(const QString &folder, const QString &key, int index);

} // namespace LW2DStickerFrames
