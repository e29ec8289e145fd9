#pragma once

#include <QSize>
#include <QString>

// What the image controls show about an image file, read from its header
// without decoding the pixels.
class LWImageFileInfo
{
public:
    explicit LWImageFileInfo(const QString &path);

    bool readable() const { return m_readable; }
    QSize size() const { return m_size; }
    // "PNG", "JPEG" ...; empty when unreadable.
    QString format() const { return m_format; }
    qint64 bytes() const { return m_bytes; }

    // "512 byte(s)", "1.5 KB", "2.0 MB" ... up to "TB".
    static QString byteText(qint64 bytes);
    // A URL or a path as a local path (":/..." for resources).
    static QString localPath(const QString &urlOrPath);

private:
    bool m_readable = false;
    QSize m_size;
    QString m_format;
    qint64 m_bytes = 0;
};
