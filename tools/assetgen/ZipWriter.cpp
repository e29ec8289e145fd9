#include "ZipWriter.h"

#include <QFile>
#include <QTemporaryDir>

#include <zip.h>

#include <cstring>

namespace ZipWriter {

QByteArray build(const QList<QPair<QString, QByteArray>> &entries, bool *ok)
{
    *ok = false;
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return QByteArray();
    const QString path = scratch.filePath(QStringLiteral("archive.zip"));
    zipFile zip = zipOpen64(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE);
    if (!zip)
        return QByteArray();
    bool good = true;
    for (const auto &entry : entries) {
        zip_fileinfo info;
        std::memset(&info, 0, sizeof(info));
        const QByteArray name = entry.first.toUtf8();
        if (zipOpenNewFileInZip(zip, name.constData(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                                Z_DEFAULT_COMPRESSION)
            != ZIP_OK) {
            good = false;
            break;
        }
        if (!entry.second.isEmpty()
            && zipWriteInFileInZip(zip, entry.second.constData(), unsigned(entry.second.size())) != ZIP_OK)
            good = false;
        if (zipCloseFileInZip(zip) != ZIP_OK)
            good = false;
        if (!good)
            break;
    }
    if (zipClose(zip, nullptr) != ZIP_OK)
        good = false;
    if (!good)
        return QByteArray();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    *ok = true;
    return file.readAll();
}

} // namespace ZipWriter
