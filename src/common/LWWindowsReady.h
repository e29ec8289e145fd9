#pragma once

#include <functional>

// The program's first window shows before the others are loaded. Code that
// looks a top-level window up by its object name calls ensure() first: the
// application host installs a loader that creates the rest at once, so a
// window is there whenever it is asked for, however early.
namespace LWWindowsReady {

void setLoader(std::function<void()> loader);
// Runs the loader once, when one is installed (interface thread only).
void ensure();

} // namespace LWWindowsReady
