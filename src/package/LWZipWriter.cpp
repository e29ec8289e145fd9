#include "LWZipWriter.h"

#include <QDebug>

#include <cstring>

namespace {

constexpr quint32 kLocalHeaderMagic = 0x04034b50;
constexpr quint32 kCentralHeaderMagic = 0x02014b50;
constexpr quint32 kEndMagic = 0x06054b50;
constexpr quint32 kZip64EndMagic = 0x06064b50;
constexpr quint32 kZip64LocatorMagic = 0x07064b50;
constexpr int kZip64EndBytes = 56;
constexpr int kZip64LocatorBytes = 20;
constexpr quint16 kZip64VersionNeeded = 45;
constexpr qint64 kMaxPlainCount = 0xffff; // the end record's 16-bit count says "look for zip64" at this
constexpr int kLocalHeaderBytes = 30;
constexpr int kCentralHeaderBytes = 46;
constexpr int kEndBytes = 22;
constexpr quint16 kVersionNeeded = 20; // deflate and folders
constexpr quint16 kMadeBy = (3 << 8) | 20; // Unix, format 2.0: readers take the permissions
constexpr quint16 kUtf8NameFlag = 0x800;
constexpr quint16 kDeflated = 8;
// Gathered writes go out in pieces of about this size; data this large or
// larger is written straight from where it is.
constexpr qint64 kGatherBytes = 256 * 1024;
constexpr qint64 kDirectBytes = 64 * 1024;
constexpr qint64 kPlainLimit = 0xffffffffLL;

void put16(char *at, quint32 value)
{
    at[0] = char(value & 0xff);
    at[1] = char((value >> 8) & 0xff);
}

void put32(char *at, quint32 value)
{
    put16(at, value & 0xffff);
    put16(at + 2, value >> 16);
}

void put64(char *at, quint64 value)
{
    put32(at, quint32(value & 0xffffffffu));
    put32(at + 4, quint32(value >> 32));
}

// A zip date: MS-DOS date in the upper half, time (in two-second steps) in
// the lower, both local time, years counted from 1980.
quint32 dosTimeOf(const QDateTime &when)
{
    const QDateTime local = when.toLocalTime();
    const QDate date = local.date();
    const QTime time = local.time();
    const int year = qMax(0, date.year() - 1980);
    return quint32(date.day() + 32 * date.month() + 512 * year) << 16
           | quint32(time.second() / 2 + 32 * time.minute() + 2048 * time.hour());
}

} // namespace

bool LWZipWriter::fits(qint64 entries, qint64 bytes)
{
    // Headers and the central directory take well under a kilobyte an
    // entry; deflate grows content that does not shrink by a few bytes in
    // every 16 KiB at most.
    const qint64 worstCase = bytes + bytes / 1024 + entries * 1200 + kEndBytes;
    return worstCase < kPlainLimit;
}

LWZipWriter::LWZipWriter(const QString &path, const QDateTime &modified)
    : m_file(path), m_dosTime(dosTimeOf(modified))
{
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        qWarning("can not create zip file");
        m_ok = false;
    }
}

bool LWZipWriter::fail(const char *what)
{
    if (m_ok)
        qWarning().noquote() << what << m_file.fileName() << m_file.errorString();
    m_ok = false;
    return false;
}

bool LWZipWriter::flush()
{
    if (m_buffer.size() > 0 && m_file.write(m_buffer.data(), m_buffer.size()) != m_buffer.size())
        return fail("can not write zip file");
    m_buffer.clear();
    return m_ok;
}

bool LWZipWriter::write(const char *data, qint64 size)
{
    if (!m_ok)
        return false;
    if (m_position + size >= kPlainLimit)
        return fail("zip file grows past what it can address:");
    m_position += size;
    if (size >= kDirectBytes) {
        if (!flush())
            return false;
        if (m_file.write(data, size) != size)
            return fail("can not write zip file");
        return true;
    }
    if (m_buffer.size() + size > kGatherBytes && !flush())
        return false;
    std::memcpy(m_buffer.reserveMore(size), data, size_t(size));
    m_buffer.grow(size);
    return true;
}

// The fields a local header and its central record share, in the same
// order in both: version needed, flags, method, date, checksum, sizes, the
// name's length and an empty extra field.
void LWZipWriter::putEntryFields(char *at, const QByteArray &name, const Fields &fields) const
{
    put16(at, kVersionNeeded);
    put16(at + 2, kUtf8NameFlag);
    put16(at + 4, kDeflated);
    put32(at + 6, m_dosTime);
    put32(at + 10, fields.crc);
    put32(at + 14, quint32(fields.compressedSize));
    put32(at + 18, quint32(fields.size));
    put16(at + 22, quint32(name.size()));
    put16(at + 24, 0); // no extra field
}

bool LWZipWriter::writeLocalHeader(const QByteArray &name, const Fields &fields)
{
    char header[kLocalHeaderBytes];
    put32(header, kLocalHeaderMagic);
    putEntryFields(header + 4, name, fields);
    return write(header, kLocalHeaderBytes) && write(name.constData(), name.size());
}

void LWZipWriter::addCentralRecord(const QByteArray &name, quint32 attributes, const Fields &fields, bool text)
{
    char record[kCentralHeaderBytes];
    put32(record, kCentralHeaderMagic);
    put16(record + 4, kMadeBy);
    putEntryFields(record + 6, name, fields);
    put16(record + 32, 0); // comment
    put16(record + 34, 0); // disk
    put16(record + 36, text ? 1 : 0);
    put32(record + 38, attributes);
    put32(record + 42, quint32(m_headerAt));
    m_central.append(record, kCentralHeaderBytes);
    m_central.append(name);
    ++m_entries;
}

bool LWZipWriter::add(const QByteArray &name, quint32 attributes, const LWZipDeflater &deflated,
                      const LWZipBuffer &data)
{
    if (!m_ok)
        return false;
    const Fields fields{deflated.crc(), data.size(), deflated.size()};
    m_headerAt = m_position;
    if (!writeLocalHeader(name, fields) || !write(data.data(), data.size()))
        return false;
    addCentralRecord(name, attributes, fields, deflated.looksLikeText());
    return true;
}

bool LWZipWriter::begin(const QByteArray &name, quint32 attributes)
{
    if (!m_ok)
        return false;
    m_headerAt = m_position;
    m_openName = name;
    m_openAttributes = attributes;
    return writeLocalHeader(name, Fields());
}

bool LWZipWriter::end(const LWZipDeflater &deflated, qint64 compressedSize)
{
    if (!m_ok || !flush())
        return false;
    const Fields fields{deflated.crc(), compressedSize, deflated.size()};
    char patch[12];
    put32(patch, fields.crc);
    put32(patch + 4, quint32(fields.compressedSize));
    put32(patch + 8, quint32(fields.size));
    if (!m_file.seek(m_headerAt + 14) || m_file.write(patch, sizeof patch) != qint64(sizeof patch)
        || !m_file.seek(m_position))
        return fail("can not write zip file");
    addCentralRecord(m_openName, m_openAttributes, fields, deflated.looksLikeText());
    return true;
}

bool LWZipWriter::finish()
{
    if (!m_ok)
        return false;
    const qint64 centralAt = m_position;
    if (!write(m_central.constData(), m_central.size()))
        return false;
    // A count the end record cannot hold goes into zip64 records before it,
    // or readers would stop at the 65 535th entry.
    if (m_entries >= kMaxPlainCount && !writeZip64End(centralAt))
        return false;
    const quint32 count = quint32(qMin<qint64>(m_entries, kMaxPlainCount));
    char record[kEndBytes];
    put32(record, kEndMagic);
    put16(record + 4, 0); // this disk
    put16(record + 6, 0); // the disk the directory starts on
    put16(record + 8, count);
    put16(record + 10, count);
    put32(record + 12, quint32(m_central.size()));
    put32(record + 16, quint32(centralAt));
    put16(record + 20, 0); // no comment
    if (!write(record, kEndBytes) || !flush())
        return false;
    m_file.close();
    if (m_file.error() != QFileDevice::NoError)
        return fail("can not complete zip file");
    return true;
}

bool LWZipWriter::writeZip64End(qint64 centralAt)
{
    const qint64 endAt = m_position;
    char record[kZip64EndBytes + kZip64LocatorBytes];
    put32(record, kZip64EndMagic);
    put64(record + 4, kZip64EndBytes - 12); // the size of what follows
    put16(record + 12, kMadeBy);
    put16(record + 14, kZip64VersionNeeded);
    put32(record + 16, 0); // this disk
    put32(record + 20, 0); // the disk the directory starts on
    put64(record + 24, quint64(m_entries));
    put64(record + 32, quint64(m_entries));
    put64(record + 40, quint64(m_central.size()));
    put64(record + 48, quint64(centralAt));
    char *locator = record + kZip64EndBytes;
    put32(locator, kZip64LocatorMagic);
    put32(locator + 4, 0); // the disk of the zip64 record
    put64(locator + 8, quint64(endAt));
    put32(locator + 16, 1); // disks in all
    return write(record, sizeof record);
}
