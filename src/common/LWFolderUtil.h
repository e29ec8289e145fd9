#pragma once

#include <QString>

namespace LWFolderUtil {

// 32 lower-case hexadecimal digits of a fresh random UUID: the name of every
// scratch folder and the identifier of every exported package.
QString newScratchName();

// Copies the folder tree under source into target (created when missing).
// Existing files in target are replaced. Returns false when any entry
// failed; the entries that could be copied stay copied.
bool copyFolder(const QString &source, const QString &target);

// Removes the folder and everything below it. A missing folder counts as
// removed.
bool removeFolder(const QString &path);

// A new empty folder "<parent>/<scratch name>", created with its parents.
QString makeScratchFolder(const QString &parent);

} // namespace LWFolderUtil
