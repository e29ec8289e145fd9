#pragma once

#include <QString>

// Copying an imported file into the library. Imports of frame sequences
// copy hundreds of files, so the copy is done by the kernel where it can be
// (no temporary file and rename per frame as QFile::copy does): the
// destination is a fresh generated name, and never replaces an entry.
namespace LWResourceFileCopy {

// False when the source cannot be read or the destination already exists
// or cannot be written; a partly written destination is removed.
bool copyFile(const QString &source, const QString &destination);

} // namespace LWResourceFileCopy
