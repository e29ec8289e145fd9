#pragma once

// What the compression tests share: frames that the quantiser really
// shrinks (soft shading with grain, like artwork), a frame it cannot
// shrink, stand-in quantisers written in place of the installed one, and
// file comparisons.

#include "compress/LWTextureCompess.h"
#include "inspector/LWQmlViewModel.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QtTest>

namespace LWCompressTestKit {

inline QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A 32-bit frame with gradients, a shape and grain: many colours, which
// the quantiser folds into a much smaller palette image.
inline QImage artwork(int size, int index)
{
    QImage image(size, size, QImage::Format_ARGB32);
    QRandomGenerator random(quint32(index) + 7);
    for (int y = 0; y < size; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size; ++x) {
            const int grain = int(random.bounded(16));
            line[x] = qRgba((x * 255 / size + index * 9) % 256, (y * 255 / size + grain) % 256,
                            ((x + y) * 128 / size) % 256, 255);
        }
    }
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor::fromHsv(index * 37 % 360, 200, 230));
    painter.drawEllipse(QPointF(size / 2.0, size / 2.0), size / 4.0, size / 5.0);
    return image;
}

// "<folder>/<stem>_000.png" ... as the library names a sequence's frames.
inline QStringList writeFrames(const QString &folder, const QString &stem, int count, int size = 96)
{
    QDir().mkpath(folder);
    QStringList paths;
    for (int i = 0; i < count; ++i) {
        const QString path = QStringLiteral("%1/%2_%3.png").arg(folder, stem).arg(i, 3, 10, QLatin1Char('0'));
        if (!artwork(size, i).save(path, "PNG"))
            return {};
        paths << path;
    }
    return paths;
}

// A one-colour palette image of 83 bytes: whatever the quantiser makes of
// it is larger.
inline QString writeTinyFrame(const QString &path)
{
    static const QByteArray tiny = QByteArray::fromHex(
        "89504e470d0a1a0a0000000d49484452000000040000000408030000009e2f6e4c00000003504c54450000ff8a78d257"
        "0000000b4944415408d76360c0040000140001e586b04a0000000049454e44ae426082");
    return writeBytes(path, tiny) ? path : QString();
}

// A stand-in for the installed quantiser. It receives the real arguments:
// $8 is the source frame and ${10} the output.
inline bool installStandIn(const QString &script)
{
    const QString path = LWTextureCompess::quantiserPath();
    QFile::remove(path);
    if (!writeBytes(path, "#!/bin/sh\n" + script.toUtf8() + "\n"))
        return false;
    return QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                           | QFileDevice::ExeUser);
}

// The next compression installs the real quantiser again.
inline void removeInstalledQuantiser()
{
    QFile::remove(LWTextureCompess::quantiserPath());
}

inline QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

// A PNG whose pixels are stored through a palette: what the quantiser writes.
inline bool isPaletteImage(const QString &path)
{
    const QByteArray header = bytesOf(path).left(26);
    return header.size() == 26 && header.startsWith("\x89PNG") && quint8(header.at(25)) == 3;
}

inline LWQmlViewModel *findNode(LWQmlViewModel *node, const QString &id)
{
    if (!node)
        return nullptr;
    if (node->id() == id)
        return node;
    for (const LWQmlViewModel::Ptr &child : node->children()) {
        if (LWQmlViewModel *found = findNode(child.get(), id))
            return found;
    }
    return nullptr;
}

} // namespace LWCompressTestKit
