#pragma once

#include <functional>

// SIGTERM and SIGHUP (a logout, a system shutdown, "kill") end the editor
// the way closing it does, so the next start sees a clean exit rather than
// a crash. The handlers only write the signal number to a socket pair; the
// work is done on the interface thread, where a notifier reads it.
namespace LWQuitSignals {

// Calls onQuit on the interface thread for each of these signals. Call once,
// after the application object exists. False when the signals could not be
// taken (they then keep their default action).
bool install(std::function<void()> onQuit);

// What the editor does on those signals: the recovery point is written,
// then the event loop ends.
bool installForEditor();

} // namespace LWQuitSignals
