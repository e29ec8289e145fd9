#pragma once

#include "LWZipDeflater.h"

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QString>

// Writes a zip archive front to back in one pass: each entry's local header
// and deflated data, then the central directory and its end record. The
// bytes are those minizip writes for the same entries (same header fields,
// the same "version made by", no data descriptors, no extra fields), so
// readers, checks and the camera engine see no difference; what it saves
// is minizip's byte-by-byte copy of raw data, a second checksum of it and a
// seek back to every header. Sizes and offsets are the plain format's 32
// bits (fits() says whether an archive stays below them); only a count of
// entries past 65 534 gets the zip64 end records, which minizip leaves out.
class LWZipWriter
{
public:
    static constexpr quint32 kFileAttributes = 0100644u << 16;            // Unix rw-r--r--
    static constexpr quint32 kFolderAttributes = (040755u << 16) | 0x10; // Unix rwxr-xr-x, MS-DOS folder bit

    // Whether `entries` entries of `bytes` bytes of content in all stay
    // clear of the plain format's 32-bit sizes and offsets.
    static bool fits(qint64 entries, qint64 bytes);

    // Creates (or empties) the file at path; every entry is dated `modified`.
    LWZipWriter(const QString &path, const QDateTime &modified);

    bool isOpen() const { return m_file.isOpen(); }
    bool ok() const { return m_ok; }

    // An entry whose deflated data is at hand: written with its final header.
    bool add(const QByteArray &name, quint32 attributes, const LWZipDeflater &deflated, const LWZipBuffer &data);

    // An entry streamed while it is deflated: the header's checksum and
    // sizes are filled in at end().
    bool begin(const QByteArray &name, quint32 attributes);
    bool write(const char *data, qint64 size);
    bool end(const LWZipDeflater &deflated, qint64 compressedSize);

    // Writes the central directory and closes the file.
    bool finish();

    // The archive cannot be made as asked (the caller said why): nothing
    // more is written and finish() fails.
    void setFailed() { m_ok = false; }

private:
    struct Fields
    {
        quint32 crc = 0;
        qint64 compressedSize = 0;
        qint64 size = 0;
    };

    void putEntryFields(char *at, const QByteArray &name, const Fields &fields) const;
    bool writeLocalHeader(const QByteArray &name, const Fields &fields);
    void addCentralRecord(const QByteArray &name, quint32 attributes, const Fields &fields, bool text);
    bool writeZip64End(qint64 centralAt);
    bool flush();
    bool fail(const char *what);

    QFile m_file;
    LWZipBuffer m_buffer;  // small writes gathered
    QByteArray m_central; // the central directory, written last
    quint32 m_dosTime = 0;
    qint64 m_position = 0; // bytes written or gathered so far
    qint64 m_headerAt = 0;  // where the entry being streamed starts
    QByteArray m_openName;
    quint32 m_openAttributes = 0;
    int m_entries = 0;
    bool m_ok = true;
};
