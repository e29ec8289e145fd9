#pragma once

#include <QJsonObject>
#include <QString>

// Reading and writing the JSON documents of projects, packages and settings.
namespace LWJsonFile {

// A missing, unreadable or invalid file, or a document that is not an
// object, reads as an empty object: callers take their defaults.
QJsonObject read(const QString &path);

// Writes indented UTF-8 JSON. The file is made writable first (a read-only
// file from a template or a zip would otherwise block saving) and replaced
// atomically, so a crash mid-write never leaves half a document behind.
// Returns false, after logging, when the file could not be written.
bool write(const QString &path, const QJsonObject &object);

// Same as write() for raw bytes, for callers that serialise themselves.
bool writeBytes(const QString &path, const QByteArray &bytes);

// Notices the writes that fail on this thread while it exists: a caller
// that has many documents written by code that only logs a failure (the
// features of an export) can still tell whether all of them were written.
class FailureWatch
{
public:
    FailureWatch();
    bool failed() const;

private:
    int m_failuresBefore;
};

} // namespace LWJsonFile
