#include "GifWriter.h"

#include <QImage>

#include <vector>

namespace GifWriter {

namespace {

constexpr int kTransparent = 216;
constexpr int kMinCodeSize = 8;
constexpr int kClearCode = 1 << kMinCodeSize;

void put16(QByteArray &out, int value)
{
    out.append(char(value & 0xff));
    out.append(char((value >> 8) & 0xff));
}

int level(int component)
{
    return (component * 5 + 127) / 255;
}

QByteArray indexed(const QImage &frame)
{
    const QImage image = frame.convertToFormat(QImage::Format_ARGB32);
    QByteArray pixels;
    pixels.reserve(image.width() * image.height());
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = line[x];
            if (qAlpha(p) < 128)
                pixels.append(char(kTransparent));
            else
                pixels.append(char(level(qRed(p)) * 36 + level(qGreen(p)) * 6 + level(qBlue(p))));
        }
    }
    return pixels;
}

// Packs codes least significant bit first into 255-byte sub-blocks.
class BitWriter
{
public:
    explicit BitWriter(QByteArray &out) : m_out(out) {}

    void write(int code, int size)
    {
        m_bits |= quint32(code) << m_count;
        m_count += size;
        while (m_count >= 8) {
            pushByte(char(m_bits & 0xff));
            m_bits >>= 8;
            m_count -= 8;
        }
    }

    void finish()
    {
        if (m_count > 0)
            pushByte(char(m_bits & 0xff));
        flushBlock();
        m_out.append('\0');
    }

private:
    void pushByte(char b)
    {
        m_block.append(b);
        if (m_block.size() == 255)
            flushBlock();
    }
    void flushBlock()
    {
        if (m_block.isEmpty())
            return;
        m_out.append(char(m_block.size()));
        m_out.append(m_block);
        m_block.clear();
    }

    QByteArray &m_out;
    QByteArray m_block;
    quint32 m_bits = 0;
    int m_count = 0;
};

void writeLzw(QByteArray &out, const QByteArray &pixels)
{
    out.append(char(kMinCodeSize));
    BitWriter bits(out);
    // next[code * 256 + pixel] = code of the extended string, 0 when none.
    std::vector<quint16> next(4096 * 256, 0);
    int codeSize = kMinCodeSize + 1;
    int maxCode = kClearCode + 1;
    bits.write(kClearCode, codeSize);
    int current = -1;
    for (const char c : pixels) {
        const int value = static_cast<unsigned char>(c);
        if (current < 0) {
            current = value;
            continue;
        }
        const quint16 extended = next[size_t(current) * 256 + size_t(value)];
        if (extended) {
            current = extended;
            continue;
        }
        bits.write(current, codeSize);
        next[size_t(current) * 256 + size_t(value)] = quint16(++maxCode);
        if (maxCode >= (1 << codeSize))
            ++codeSize;
        if (maxCode == 4095) {
            bits.write(kClearCode, codeSize);
            std::fill(next.begin(), next.end(), 0);
            codeSize = kMinCodeSize + 1;
            maxCode = kClearCode + 1;
        }
        current = value;
    }
    if (current >= 0)
        bits.write(current, codeSize);
    bits.write(kClearCode, codeSize);
    bits.write(kClearCode + 1, kMinCodeSize + 1);
    bits.finish();
}

} // namespace

QByteArray encode(const QList<QImage> &frames, int delayCentiseconds)
{
    if (frames.isEmpty())
        return QByteArray();
    const int width = frames.first().width();
    const int height = frames.first().height();
    QByteArray out("GIF89a");
    put16(out, width);
    put16(out, height);
    out.append(char(0xF7)); // global colour table of 256 entries
    out.append(char(kTransparent));
    out.append('\0');
    for (int i = 0; i < 256; ++i) {
        const int r = i < 216 ? (i / 36) * 51 : 0;
        const int g = i < 216 ? ((i / 6) % 6) * 51 : 0;
        const int b = i < 216 ? (i % 6) * 51 : 0;
        out.append(char(r));
        out.append(char(g));
        out.append(char(b));
    }
    out.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19); // loop forever
    for (const QImage &frame : frames) {
        const QImage sized = frame.size() == QSize(width, height) ? frame : frame.scaled(width, height);
        out.append("\x21\xF9\x04", 3);
        out.append(char(0x09)); // restore to background, transparency on
        put16(out, delayCentiseconds);
        out.append(char(kTransparent));
        out.append('\0');
        out.append(char(0x2C));
        put16(out, 0);
        put16(out, 0);
        put16(out, width);
        put16(out, height);
        out.append('\0');
        writeLzw(out, indexed(sized));
    }
    out.append(char(0x3B));
    return out;
}

} // namespace GifWriter
