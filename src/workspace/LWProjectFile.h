#pragma once

#include <QString>

// The project file "<name>.lwproj": the project's name and the name of its
// effect folder. Missing or empty values take their defaults, so any file
// (empty, broken, hand-edited) opens.
struct LWProjectFile
{
    QString name;                             // the file's base name when absent
    QString effectFolderName = QStringLiteral("effect");

    static LWProjectFile read(const QString &projectFilePath);
    bool write(const QString &projectFilePath) const;

    // "<folder>/<name>.lwproj"
    static QString pathFor(const QString &projectFolder, const QString &name);
};
