#pragma once

#include <QString>
#include <cstdint>

// The program's one error log: a text line per event under
// "<data>/log/lw_<start time>.txt", echoed to standard output. Only failures
// that are not shown to the author go here (network uploads, undo commands).
// Logging never fails loudly: every file problem is swallowed.
class LWDiagnosticLog
{
public:
    enum Level { Debug = 0, Info = 1, Warning = 2, Error = 3 };
    enum Category { CategoryNetwork = 4, CategoryUndo = 8, CategoryInvariant = 16 };

    static constexpr qint64 kRotateSize = 2097152; // 2 MiB
    static constexpr int kChecksEvery = 64;

    static LWDiagnosticLog *instance();

    // For tests: a logger over its own folder and start time.
    LWDiagnosticLog(const QString &directory, qint64 startSeconds, int copiesToKeep = 3);

    void log(int category, int level, const char *format, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 4, 5)))
#endif
        ;

    QString logFilePath() const;
    QString copyPath(int n) const;
    QString settingsFilePath() const;
    void setEcho(bool echo) { m_echoFlags = echo ? 1 : 0; }

private:
    int readMask() const;
    void rotateIfNeeded();

    int m_levelDefault = 3;
    int m_copiesToKeep;
    int m_echoFlags = 1;
    QString m_directory;
    QString m_baseName;
    QString m_settingsFileName = QStringLiteral("errorid.ini");
    uint64_t m_writeCounter = 0;
};
