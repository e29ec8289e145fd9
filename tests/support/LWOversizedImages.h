#pragma once

// Tiny files whose headers declare pictures far larger than the camera
// uses: a PNG whose IHDR says 30000 x 30000 and a GIF whose logical screen
// is 11390 x 12595 around a single 1 x 1 frame. Only the headers matter:
// what reads them must refuse the file before decoding it.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>

#include <zlib.h>

namespace LWOversizedImages {

inline QByteArray pngChunk(const QByteArray &type, const QByteArray &data)
{
    QByteArray chunk(4, '\0');
    qToBigEndian<quint32>(quint32(data.size()), chunk.data());
    const QByteArray body = type + data;
    chunk += body;
    QByteArray crc(4, '\0');
    qToBigEndian<quint32>(quint32(crc32(0, reinterpret_cast<const Bytef *>(body.constData()), uInt(body.size()))),
                          crc.data());
    return chunk + crc;
}

inline QByteArray png(quint32 width, quint32 height)
{
    QByteArray header(13, '\0');
    qToBigEndian<quint32>(width, header.data());
    qToBigEndian<quint32>(height, header.data() + 4);
    header[8] = 8; // bit depth
    header[9] = 6; // RGBA
    const QByteArray row(1, '\0');
    QByteArray packed(64, '\0');
    uLongf packedSize = uLongf(packed.size());
    compress(reinterpret_cast<Bytef *>(packed.data()), &packedSize, reinterpret_cast<const Bytef *>(row.constData()),
             uLong(row.size()));
    packed.resize(int(packedSize));
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", header) + pngChunk("IDAT", packed)
           + pngChunk("IEND", QByteArray());
}

inline QByteArray gif(quint16 width, quint16 height)
{
    QByteArray bytes("GIF89a");
    char size[4];
    qToLittleEndian<quint16>(width, size);
    qToLittleEndian<quint16>(height, size + 2);
    bytes.append(size, 4);
    bytes.append("\x80\x00\x00", 3);                  // a global table of two colours
    bytes.append("\xff\x00\x00\x00\x00\xff", 6);
    bytes.append(",\x00\x00\x00\x00\x01\x00\x01\x00\x00", 10); // one 1 x 1 frame
    bytes.append("\x02\x02\x44\x01\x00", 5);          // clear, colour 0, end
    bytes.append(';');
    return bytes;
}

inline bool write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace LWOversizedImages
