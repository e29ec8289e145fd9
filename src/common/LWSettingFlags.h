#pragma once

#include <QString>
#include <optional>

// The boolean flags of "<data>/setting.json" ("tutorial", "lastCrashed").
// Reading an absent file or key yields nothing so the caller keeps its own
// default; writing keeps every other member of the file.
namespace LWSettingFlags {

std::optional<bool> read(const QString &key);
bool write(const QString &key, bool value);

// Returns whether the previous run crashed and clears the mark, so the crash
// is reported exactly once.
bool takeLastCrashed();

// The document as it would be after setting "lastCrashed" to true. The crash
// handler cannot parse JSON inside a signal handler, so it is handed this
// image in advance and refreshed after every write.
QByteArray crashedImage();

} // namespace LWSettingFlags
