#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// The program's icon and its project-file icon, as the desktop shows them.
// Each is one drawing, rendered both as PNGs at the theme's sizes and as a
// scalable SVG, so the two can never drift apart.
namespace AppIcons {

enum class Kind { Application, ProjectFile };

QImage render(Kind kind, int size);
QByteArray svg(Kind kind);

// Writes the hicolor theme tree (<size>x<size>/<context>/<name>.png and
// scalable/<context>/<name>.svg) under the given folder of the assets.
bool generateTheme(const QString &folder);

} // namespace AppIcons
