#pragma once

#include <QString>

// The small window that tells the author an import was refused because a
// PNG is not 8 bit. The interface may declare it itself (a window whose
// object name is "pngCheckWindow"); when it has not, the window is built
// from its own document in the engine of the interface's windows.
namespace LWPngCheckWindow {

QString objectName();
QString documentUrl();

// Shows the window; false when there is no interface to show it in.
bool show();

} // namespace LWPngCheckWindow
