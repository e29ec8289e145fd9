#pragma once

#include <QMutex>

// Held while the backup area is written or read, so a restore never copies
// a half-written backup.
inline QMutex &lwBackupLock()
{
    static QMutex lock;
    return lock;
}
