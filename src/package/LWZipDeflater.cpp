#include "LWZipDeflater.h"

#include <cstring>
#include <utility>

namespace {

// What minizip is handed at a time by the program (its file blocks) and the
// size of minizip's own output buffer (its Z_BUFSIZE).
constexpr qint64 kInputBlockBytes = 102400;
constexpr qint64 kOutputBufferBytes = 64 * 1024;
constexpr int kMemLevel = 8; // minizip's DEF_MEM_LEVEL

} // namespace

char *LWZipBuffer::reserveMore(qint64 more)
{
    if (m_size + more > m_capacity) {
        const qint64 capacity = qMax(m_size + more, m_capacity * 2);
        std::unique_ptr<char[]> bigger(new char[size_t(capacity)]);
        if (m_size > 0)
            std::memcpy(bigger.get(), m_data.get(), size_t(m_size));
        m_data = std::move(bigger);
        m_capacity = capacity;
    }
    return m_data.get() + m_size;
}

int LWZipDeflater::levelFor(const char *head, qint64 size)
{
    static const char png[] = "\x89PNG\r\n\x1a\n";
    static const char jpeg[] = "\xff\xd8\xff";
    if (size >= 8 && std::memcmp(head, png, 8) == 0)
        return 0;
    if (size >= 3 && std::memcmp(head, jpeg, 3) == 0)
        return 0;
    return Z_DEFAULT_COMPRESSION;
}

LWZipDeflater::LWZipDeflater(int level, LWZipBuffer *out, Sink sink)
    : m_out(out), m_sink(std::move(sink)), m_level(level)
{
    m_out->clear();
    m_ok = deflateInit2(&m_stream, level, Z_DEFLATED, -MAX_WBITS, kMemLevel, Z_DEFAULT_STRATEGY) == Z_OK;
    m_stream.next_out = reinterpret_cast<Bytef *>(m_out->reserveMore(kOutputBufferBytes));
    m_stream.avail_out = uInt(kOutputBufferBytes);
}

LWZipDeflater::~LWZipDeflater()
{
    deflateEnd(&m_stream);
}

// The full output buffer is kept (or handed to the sink) and the next one
// starts behind it, so the stream is cut exactly where minizip's is.
bool LWZipDeflater::takeOutput()
{
    m_out->grow(kOutputBufferBytes - qint64(m_stream.avail_out));
    if (m_sink) {
        if (!m_sink(m_out->data(), m_out->size()))
            return false;
        m_out->clear();
    }
    m_stream.next_out = reinterpret_cast<Bytef *>(m_out->reserveMore(kOutputBufferBytes));
    m_stream.avail_out = uInt(kOutputBufferBytes);
    return true;
}

bool LWZipDeflater::run(int flush)
{
    int status = Z_OK;
    while (m_ok && (flush == Z_FINISH || m_stream.avail_in > 0)) {
        if (m_stream.avail_out == 0 && !takeOutput())
            return m_ok = false;
        status = deflate(&m_stream, flush);
        if (status == Z_STREAM_END)
            break;
        if (status != Z_OK)
            m_ok = false;
    }
    return m_ok;
}

bool LWZipDeflater::add(const char *data, qint64 size)
{
    if (!m_ok)
        return false;
    m_crc = quint32(crc32_z(m_crc, reinterpret_cast<const Bytef *>(data), size_t(size)));
    m_size += size;
    for (qint64 at = 0; at < size && m_ok; at += kInputBlockBytes) {
        m_stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data + at));
        m_stream.avail_in = uInt(qMin(kInputBlockBytes, size - at));
        run(Z_NO_FLUSH);
    }
    return m_ok;
}

bool LWZipDeflater::finish()
{
    if (!run(Z_FINISH))
        return false;
    m_out->grow(kOutputBufferBytes - qint64(m_stream.avail_out));
    m_stream.avail_out = 0;
    if (m_sink && m_out->size() > 0) {
        if (!m_sink(m_out->data(), m_out->size()))
            return m_ok = false;
        m_out->clear();
    }
    return true;
}
