#pragma once

// Marks "lastCrashed" in setting.json from inside a crash signal handler.
//
// A signal handler may not allocate, lock or parse, so the finished document
// is prepared in advance (and again after every flag write) and the handler
// only writes those bytes to a temporary file and renames it over the real
// one, with async-signal-safe calls.
namespace LWCrashFlagSink {

// Starts keeping an image for the current data folder. Interface thread.
void arm();
// Rebuilds the image after setting.json changed; does nothing until armed.
void refresh();
// Writes the image. Async-signal-safe. Returns false when nothing was armed
// or the file could not be written.
bool writeFromSignalHandler();

} // namespace LWCrashFlagSink
