#include "LWDiagnosticLog.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace {

QByteArray formatMessage(const char *format, va_list args)
{
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (length <= 0)
        return QByteArray();
    std::vector<char> buffer(size_t(length) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, args);
    return QByteArray(buffer.data(), length);
}

const char *levelLabel(int level)
{
    switch (level) {
    case LWDiagnosticLog::Debug: return "[DEBUG]";
    case LWDiagnosticLog::Warning: return "[WARNING]";
    case LWDiagnosticLog::Error: return "[ERROR]";
    default: return "[INFO]";
    }
}

} // namespace

LWDiagnosticLog *LWDiagnosticLog::instance()
{
    // Built on first use and never destroyed: callers may log while other
    // statics are being torn down.
    static LWDiagnosticLog *logger = new LWDiagnosticLog(
        QDir::homePath() + QStringLiteral("/Lumeworks") + QStringLiteral("/log/"),
        QDateTime::currentSecsSinceEpoch());
    return logger;
}

LWDiagnosticLog::LWDiagnosticLog(const QString &directory, qint64 startSeconds, int copiesToKeep)
    : m_copiesToKeep(copiesToKeep)
    , m_directory(directory.endsWith(QLatin1Char('/')) ? directory : directory + QLatin1Char('/'))
    , m_baseName(QStringLiteral("lw_") + QString::number(startSeconds))
{
    Q_UNUSED(m_levelDefault);
    // A log nobody can find is no use: make the folder, silently.
    QDir().mkpath(m_directory);
}

QString LWDiagnosticLog::logFilePath() const
{
    return m_directory + m_baseName + QStringLiteral(".txt");
}

QString LWDiagnosticLog::copyPath(int n) const
{
    return m_directory + m_baseName + QString::number(n) + QStringLiteral(".txt");
}

QString LWDiagnosticLog::settingsFilePath() const
{
    return m_directory + m_settingsFileName;
}

int LWDiagnosticLog::readMask() const
{
    const QSettings ini(settingsFilePath(), QSettings::IniFormat);
    bool ok = false;
    const int mask = ini.value(QStringLiteral("errorlog/errorid"), -1).toInt(&ok);
    // Garbage in the file must not silence the log.
    return ok ? mask : -1;
}

void LWDiagnosticLog::rotateIfNeeded()
{
    if (++m_writeCounter < uint64_t(kChecksEvery))
        return;
    m_writeCounter = 0;
    if (QFileInfo(logFilePath()).size() <= kRotateSize)
        return;
    const int keep = m_copiesToKeep;
    QFile::remove(copyPath(keep));
    for (int i = keep - 1; i >= 2; --i) {
        if (QFileInfo::exists(copyPath(i)) && !QFile::rename(copyPath(i), copyPath(i + 1)))
            QFile::remove(copyPath(i));
    }
    QFile::rename(logFilePath(), copyPath(keep <= 2 ? keep : 2));
}

void LWDiagnosticLog::log(int category, int level, const char *format, ...)
{
    va_list args;
    va_start(args, format);
    const QByteArray message = formatMessage(format, args);
    va_end(args);

    const int mask = readMask();
    if (m_echoFlags & 1) {
        std::fwrite(message.constData(), 1, size_t(message.size()), stdout);
        std::fflush(stdout);
    }
    if (category < 1 || (category & mask) == 0 || m_directory.isEmpty())
        return;

    rotateIfNeeded();
    QFile file(logFilePath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return;
    const QDateTime now = QDateTime::currentDateTime();
    const QDate d = now.date();
    const QTime t = now.time();
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "[%d-%02d-%02d %02d:%02d:%02d.%03d]: ", d.year(), d.month(),
                  d.day(), t.hour(), t.minute(), t.second(), t.msec());
    file.write(levelLabel(level));
    file.write(stamp);
    file.write(message);
}
