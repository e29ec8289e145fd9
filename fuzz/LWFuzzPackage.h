#pragma once

#include <QJsonValue>
#include <QString>

// The harness of the package targets: a package folder goes through the
// editor's import as a template does (into a fresh unsaved project), the
// project is saved and a package is built from it. Files may change only in
// the project, the package scratch area and the given scratch folder.
namespace LWFuzzPackage {

void importSaveAndBuild(const QString &packageFolder, const QString &scratch);

// Creates a small PNG at every relative path ending in ".png" that the
// document names, and the first frame of every frame sequence it names
// ({"path": "<folder>/", "name": "<prefix>"}), plain names only, so the
// parsers find the images a real package carries.
void addNamedImages(const QJsonValue &document, const QString &folder);

// Creates a frame folder "<folder>/<key>" with one frame for every plain
// member name of the object.
void addFrameFolders(const QJsonValue &parts, const QString &folder);

} // namespace LWFuzzPackage
