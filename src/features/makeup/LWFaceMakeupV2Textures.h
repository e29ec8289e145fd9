#pragma once

#include <QJsonObject>
#include <QRect>
#include <QString>
#include <QStringList>

// The picture work of the makeup filters: bringing a package's texture
// folders into the resource library, and writing resources back out as the
// folders and records makeup.json refers to, cut to their visible pixels
// where the filter asks for it.
namespace LWFaceMakeupV2Textures {

// A record of makeup.json ("path", "name", "imageCount", "imageInterval")
// and, when the pictures were cut or already carried a cut, its rectangle.
struct Exported
{
    QJsonObject record;
    QRect rect; // null: not cut
};

// The record of a slot with nothing chosen.
QJsonObject emptyRecord();

// The PNG files of the folder in name order (suffix in any case).
QStringList pngFiles(const QString &folder);
// Imports into the library without an undo step; the new resource id or
// empty.
QString importTexture(const QString &file);
QString importSequence(const QString &folder);

// Writes the resource into the feature folder: a single picture as
// "<name>_<seconds>/<name>000.png", a frame sequence as
// "<name>/<name>_000.png" and on. With crop the pictures are cut to the
// visible pixels of the first one, unless knownCrop says they already are.
// An unknown or empty resource gives the empty record.
Exported exportResource(const QString &resourceId, const QString &featureFolder, bool crop, const QRect &knownCrop);
// The file of the resource's first picture (its first frame for a
// sequence); empty for an unknown resource or one without files.
QString firstPicturePath(const QString &resourceId);
// "default_brow_pic/default_brow_pic000.png": a transparent picture for a
// slot the engine needs filled.
QJsonObject exportDefaultPicture(const QString &featureFolder);

// Cuts the picture to the bounding rectangle of its pixels that are not
// fully transparent and saves it over itself as PNG. False, leaving the
// file as it was, when the picture cannot be read, has no such pixel or
// cannot be written.
bool cropToVisible(const QString &path, QRect &rect);
// Copies a PNG as it is, or converts any other picture to PNG, and leaves
// the target writable (resource copies of the program's own pictures are
// read-only).
bool writePng(const QString &source, const QString &target);
// The name with the characters that file systems refuse replaced.
QString safeFileName(const QString &name);
// Frame files in frame order: by the number that ends their base name.
QStringList sortedFrames(QStringList files);

} // namespace LWFaceMakeupV2Textures
