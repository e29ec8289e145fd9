#pragma once

#include <QString>

// The small window that tells the author an import was refused (a PNG that
// is not 8 bit, a picture too large for the camera). The interface may declare it itself (a window whose
// object name is "pngCheckWindow"); when it has not, the window is built
// from its own document in the engine of the interface's windows.
namespace LWPngCheckWindow {

QString objectName();
QString documentUrl();

// Shows the window with message (empty: the 8-bit text); false when there
// is no interface to show it in.
bool show(const QString &message = QString());

} // namespace LWPngCheckWindow
