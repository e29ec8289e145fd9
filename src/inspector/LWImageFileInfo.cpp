#include "LWImageFileInfo.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>
#include <QUrl>

LWImageFileInfo::LWImageFileInfo(const QString &path)
{
    if (path.isEmpty())
        return;
    QImageReader reader(path);
    m_readable = reader.canRead();
    if (m_readable) {
        m_size = reader.size();
        m_format = QString::fromLatin1(reader.format()).toUpper();
    }
    m_bytes = QFileInfo(path).size();
}

QString LWImageFileInfo::byteText(qint64 bytes)
{
    static const char *const units[] = {"KB", "MB", "GB", "TB"};
    if (bytes < 1024)
        return QCoreApplication::translate("LWImageFileInfo", "%1 byte(s)").arg(bytes);
    double amount = bytes / 1024.0;
    int unit = 0;
    while (amount >= 1024.0 && unit < 3) {
        amount /= 1024.0;
        ++unit;
    }
    return QStringLiteral("%1 %2").arg(amount, 0, 'f', 1).arg(QLatin1String(units[unit]));
}

QString LWImageFileInfo::localPath(const QString &urlOrPath)
{
    if (urlOrPath.startsWith(QLatin1String("qrc:")))
        return QLatin1Char(':') + QUrl(urlOrPath).path();
    if (urlOrPath.startsWith(QLatin1String("file:")))
        return QUrl(urlOrPath).toLocalFile();
    return urlOrPath;
}
