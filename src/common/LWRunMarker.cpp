#include "LWRunMarker.h"

#include "LWDataPaths.h"
#include "LWSettingFlags.h"

#include <QFileInfo>
#include <QLockFile>
#include <QLoggingCategory>

#include <memory>

namespace LWRunMarker {

namespace {
std::unique_ptr<QLockFile> g_marker; // owned: held from begin() to end()

QString markerPath()
{
    return LWDataPaths::dataFolder() + QStringLiteral("/running.lock");
}
} // namespace

bool begin()
{
    if (g_marker)
        return false;
    const QString path = markerPath();
    const bool leftBehind = QFileInfo::exists(path);
    auto marker = std::make_unique<QLockFile>(path);
    // Only a dead owner makes the marker stale; age means nothing, an editor
    // may run for days.
    marker->setStaleLockTime(0);
    if (!marker->tryLock(0)) {
        if (marker->error() != QLockFile::LockFailedError)
            qWarning().noquote() << "run marker could not be written:" << path;
        return false;
    }
    g_marker = std::move(marker);
    if (leftBehind)
        LWSettingFlags::write(QStringLiteral("lastCrashed"), true);
    return leftBehind;
}

void end()
{
    if (!g_marker)
        return;
    g_marker->unlock();
    g_marker.reset();
}

} // namespace LWRunMarker
