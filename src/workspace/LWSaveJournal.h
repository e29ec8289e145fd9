#pragma once

#include <QString>

// A project save writes several files (the project file, effect.json, the
// resource manifest) that only make sense together. They are written into a
// staging folder inside the project, which is renamed into a committed
// folder in one step; only then are the files moved over the project's
// own. A save interrupted before that rename changes nothing; one
// interrupted after it is completed the next time the project is opened.
// Either way the project on disk is the old save or the new one.
namespace LWSaveJournal {

// "<project>/.lwsave.new": where a save writes. Created empty.
QString begin(const QString &projectFolder);

// Publishes what begin()'s folder holds. False when the save could not be
// committed (the project is then as it was) or not every file could be
// moved into place (the next recover() tries again).
bool commit(const QString &projectFolder);

// Drops a save that is not going to be committed.
void discard(const QString &projectFolder);

// Whether a project's effect folder name would collide with the journal's
// own folders (a hand-edited project file); such a name is not used.
bool isReservedName(const QString &effectFolderName);

// Completes a committed save and drops an uncommitted one. Call before
// reading a project folder.
void recover(const QString &projectFolder);

} // namespace LWSaveJournal
