#pragma once

#include <QList>
#include <QPair>
#include <QString>

namespace LWFolderUtil {

// 32 lower-case hexadecimal digits of a fresh random UUID: the name of every
// scratch folder and the identifier of every exported package.
QString newScratchName();

// Copies the folder tree under source into target (created when missing).
// Existing files in target are replaced. Returns false when any entry
// failed; the entries that could be copied stay copied.
bool copyFolder(const QString &source, const QString &target);

// Like copyFolder, but each file of the target is a hard link to its source
// where the file system allows one (a copy where it does not). For a source
// that nothing writes to any more, such as a scratch folder being given up:
// the files are shared, not duplicated, and a link costs one system call
// where a copy of a small file costs five.
bool linkFolder(const QString &source, const QString &target);

// Copies one file; an existing target is the caller's to remove first.
// While a DeferredCopies scope is open on this thread the copy is only
// recorded and reported done: the scope's owner performs it later, away
// from the interface thread. Callers that read or rewrite the target right
// after copying must not use this.
bool copyFile(const QString &source, const QString &target);

// Collects the copyFile() calls made on this thread while it lives, for a
// package written only to be measured: the documents are written at once,
// the bulky files are copied afterwards on a worker thread.
class DeferredCopies
{
public:
    using Copy = QPair<QString, QString>; // source, target

    DeferredCopies();
    ~DeferredCopies();
    DeferredCopies(const DeferredCopies &) = delete;
    DeferredCopies &operator=(const DeferredCopies &) = delete;

    QList<Copy> take();
    void record(const QString &source, const QString &target) { m_copies.append({source, target}); }

    // Performs recorded copies (creating the target folders); false when
    // any failed.
    static bool perform(const QList<Copy> &copies);

private:
    DeferredCopies *m_previous; // not owned: the enclosing scope
    QList<Copy> m_copies;
};

// Removes the folder and everything below it. A missing folder counts as
// removed.
bool removeFolder(const QString &path);

// A new empty folder "<parent>/<scratch name>", created with its parents.
QString makeScratchFolder(const QString &parent);

} // namespace LWFolderUtil
