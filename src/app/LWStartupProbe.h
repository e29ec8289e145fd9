#pragma once

class QQuickWindow;

// For the start-up benchmark: when LW_BENCH_FIRST_FRAME is set in the
// environment, the first frame the window shows prints
// "first-frame-ms <ms> rss-kb <kB>" on standard output and ends the
// program. The milliseconds count from LW_BENCH_LAUNCH_NS (nanoseconds
// since 1970 taken by the launching script) so that loading the program
// and its libraries is counted too. Does nothing otherwise.
namespace LWStartupProbe {

bool requested();
void reportFirstFrame(QQuickWindow *window);

} // namespace LWStartupProbe
