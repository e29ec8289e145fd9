#pragma once

#include <QtGlobal>

#include <functional>
#include <memory>

#include <zlib.h>

// A growable byte buffer that keeps its memory between uses and never
// initialises what it hands out: a package's frames pass through the same
// few buffers, and fresh memory for every frame costs a page fault per 4 KiB.
class LWZipBuffer
{
public:
    char *data() { return m_data.get(); }
    const char *data() const { return m_data.get(); }
    qint64 size() const { return m_size; }
    void clear() { m_size = 0; }
    // Makes room for at least `more` bytes after size(); returns where they go.
    char *reserveMore(qint64 more);
    void grow(qint64 count) { m_size += count; }

private:
    std::unique_ptr<char[]> m_data; // owned
    qint64 m_capacity = 0;
    qint64 m_size = 0;
};

// Deflates one entry's content exactly as minizip's own deflate does inside
// an archive: the same zlib settings, the input handed over in the blocks
// minizip is given, and the output taken in minizip's buffer size, where the
// stored blocks of level 0 end. So an entry's bytes do not depend on where or
// how the work was done.
class LWZipDeflater
{
public:
    // Takes each full output buffer; returns false to stop.
    using Sink = std::function<bool(const char *data, qint64 size)>;

    // PNG and JPEG data is compressed already: deflating it again costs as
    // much as everything else in a package and makes it smaller by about a
    // thousandth. Such content gets level 0 (stored blocks, still a deflate
    // stream every reader takes); the rest the default level.
    static int levelFor(const char *head, qint64 size);

    // The output goes to `out` as a whole, or with a sink in buffer-sized
    // pieces through `out`, which is emptied after each.
    LWZipDeflater(int level, LWZipBuffer *out, Sink sink = {});
    ~LWZipDeflater();
    LWZipDeflater(const LWZipDeflater &) = delete;
    LWZipDeflater &operator=(const LWZipDeflater &) = delete;

    bool add(const char *data, qint64 size);
    bool finish();

    int level() const { return m_level; }
    quint32 crc() const { return m_crc; }
    qint64 size() const { return m_size; }
    // zlib took the content for text (the hint a zip's central record keeps).
    bool looksLikeText() const { return m_stream.data_type == Z_TEXT; }

private:
    bool run(int flush);
    bool takeOutput();

    z_stream m_stream{};
    LWZipBuffer *m_out; // not owned
    Sink m_sink;
    int m_level;
    quint32 m_crc = 0;
    qint64 m_size = 0;
    bool m_ok = false;
};
