#pragma once

#include <QByteArray>
#include <QString>

// Where the material library keeps what it downloads ("<home>/Lumeworks/
// materials" and its "icons" folder) and how a downloaded material joins
// the open project's resources.
namespace LWMaterialStore {

// Material kind 1 is a frame sequence (zip with a GIF icon); any other
// kind is a single PNG with a PNG icon.
constexpr int kTypeFrameSequence = 1;

QString materialsFolder(); // created when missing
QString iconsFolder();     // created when missing

// The material's name as it may stand in a file name: the service's text
// with path separators and control characters replaced. Empty when nothing
// usable is left ("", ".", "..").
QString fileStem(const QString &name);

QString iconPath(const QString &stem, int type);     // icons/<stem>.gif or .png
QString materialPath(const QString &stem, int type); // <stem>.zip or .png

// Replaces the file at path with bytes, never leaving a half-written file.
bool writeFile(const QString &path, const QByteArray &bytes);

// Imports the material file at path into the project's resources, tree
// items without undo entries. A frame sequence is unpacked into a scratch
// folder that is removed afterwards; an archive that does not unpack
// completely imports nothing. Returns whether the library gained anything.
bool importMaterial(const QString &path, const QString &stem, int type);

} // namespace LWMaterialStore
