#include "LWFolderUtil.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

namespace LWFolderUtil {

namespace {
thread_local DeferredCopies *t_deferred = nullptr; // not owned: the open scope
}

DeferredCopies::DeferredCopies()
    : m_previous(t_deferred)
{
    t_deferred = this;
}

DeferredCopies::~DeferredCopies()
{
    t_deferred = m_previous;
}

QList<DeferredCopies::Copy> DeferredCopies::take()
{
    QList<Copy> copies;
    copies.swap(m_copies);
    return copies;
}

bool DeferredCopies::perform(const QList<Copy> &copies)
{
    bool ok = true;
    for (const Copy &copy : copies) {
        QDir().mkpath(QFileInfo(copy.second).absolutePath());
        QFile::remove(copy.second);
        ok = QFile::copy(copy.first, copy.second) && ok;
    }
    return ok;
}

bool copyFile(const QString &source, const QString &target)
{
    if (t_deferred) {
        t_deferred->record(source, target);
        return true;
    }
    return QFile::copy(source, target);
}

QString newScratchName()
{
    return QUuid::createUuid().toString(QUuid::Id128);
}

bool copyFolder(const QString &source, const QString &target)
{
    const QFileInfo sourceInfo(source);
    if (!sourceInfo.isDir())
        return false;
    QDir targetDir(target);
    if (!targetDir.mkpath(QStringLiteral(".")))
        return false;
    // Copying a folder into its own sub-folder would never end.
    const QString canonicalSource = sourceInfo.canonicalFilePath();
    const QString canonicalTarget = QFileInfo(target).canonicalFilePath();
    if (canonicalTarget == canonicalSource
        || canonicalTarget.startsWith(canonicalSource + QLatin1Char('/')))
        return false;

    bool ok = true;
    const QDir sourceDir(source);
    const auto entries = sourceDir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    for (const QFileInfo &entry : entries) {
        const QString destination = targetDir.filePath(entry.fileName());
        if (entry.isDir() && !entry.isSymLink()) {
            ok = copyFolder(entry.filePath(), destination) && ok;
        } else {
            if (QFileInfo::exists(destination) || QFileInfo(destination).isSymLink())
                QFile::remove(destination);
            ok = QFile::copy(entry.filePath(), destination) && ok;
        }
    }
    return ok;
}

bool removeFolder(const QString &path)
{
    if (path.isEmpty())
        return false;
    QDir dir(path);
    if (!dir.exists())
        return true;
    return dir.removeRecursively();
}

QString makeScratchFolder(const QString &parent)
{
    const QString path = parent + QLatin1Char('/') + newScratchName();
    QDir().mkpath(path);
    return path;
}

} // namespace LWFolderUtil
