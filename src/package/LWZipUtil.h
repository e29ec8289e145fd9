#pragma once

#include <QDateTime>
#include <QList>
#include <QPair>
#include <QString>

// The program's own zip archives: effect packages going out and packages or
// templates coming in. Archives written here hold relative "/" names in
// UTF-8 (flagged as such), a "name/" entry for every folder, deflated data
// (PNG and JPEG files, compressed already, at level 0: stored blocks), one
// modification time for every entry and a Unix "version made by" with
// ordinary permissions, so the same folder at the same time always gives
// the same bytes.
namespace LWZipUtil {

// Longest entry name, in bytes, that is written or extracted.
constexpr int kMaxEntryNameBytes = 511;

// An archive may expand to this many bytes at most; a package is a few
// megabytes, so anything near this size is a decompression bomb.
constexpr qint64 kDefaultMaxExtractedBytes = qint64(512) * 1024 * 1024;

// Files up to this size are read whole and deflated on other threads while
// earlier entries are written; larger ones are streamed in their turn.
// Either way an entry's bytes are those of minizip's own deflate.
constexpr qint64 kDeflateAheadBytes = qint64(16) * 1024 * 1024;

struct ZipOptions
{
    // Files that belong to the folder but were never copied into it: each
    // is archived under its target path (inside the folder, its folders
    // made there already or not) and read from its source. A target that
    // also exists in the folder is read from its source.
    QList<QPair<QString, QString>> filesElsewhere; // source, target
    // The date of every entry; the current time when not valid.
    QDateTime modified;
    // On failure the file at zipPath stays as it was, instead of being
    // removed so that it cannot be taken for the new archive.
    bool keepOldOnFailure = false;
};

// Archives the content of sourceFolder (hidden files and empty folders
// included) at the root of a new archive at zipPath, replacing any file
// there in one step: the archive is written beside it under another name
// and renamed when whole. Returns whether the archive could be created; a
// file that cannot be read is stored empty and logged. On failure nothing
// is left at zipPath, unless asked to keep what was there.
bool zipFolder(const QString &sourceFolder, const QString &zipPath, const ZipOptions &options = {});

// Replaces targetFolder with the content of the archive at zipPath. Entries
// under "__MACOSX" are skipped. Returns true only when every other entry was
// extracted; entries that would land outside targetFolder, links, encrypted
// and over-long names are refused and make the result false. Nothing is ever
// written outside targetFolder.
bool unzip(const QString &zipPath, const QString &targetFolder,
           qint64 maxExtractedBytes = kDefaultMaxExtractedBytes);

} // namespace LWZipUtil
