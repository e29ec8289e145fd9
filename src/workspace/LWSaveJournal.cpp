#include "LWSaveJournal.h"

#include "common/LWFolderUtil.h"

#include <QDebug>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace LWSaveJournal {

namespace {

QString stagingFolder(const QString &projectFolder)
{
    return projectFolder + QStringLiteral("/.lwsave.new");
}

QString committedFolder(const QString &projectFolder)
{
    return projectFolder + QStringLiteral("/.lwsave");
}

// rename(2) replaces the target in one step; QFile::rename refuses an
// existing target, and removing it first would open a gap.
bool replaceFile(const QString &source, const QString &target)
{
    QDir().mkpath(QFileInfo(target).absolutePath());
    return std::rename(QFile::encodeName(source).constData(), QFile::encodeName(target).constData()) == 0;
}

// Moves every file of the committed folder over the project's own, then
// removes the folder. Files already moved by an earlier attempt are gone
// from it, so running this again is harmless.
bool rollForward(const QString &projectFolder)
{
    const QString committed = committedFolder(projectFolder);
    const QDir base(committed);
    bool ok = true;
    QDirIterator it(committed, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = projectFolder + QLatin1Char('/') + base.relativeFilePath(source);
        if (!replaceFile(source, target)) {
            qWarning().noquote() << "save: could not move" << source << "to" << target;
            ok = false;
        }
    }
    if (ok)
        LWFolderUtil::removeFolder(committed);
    return ok;
}

} // namespace

QString begin(const QString &projectFolder)
{
    recover(projectFolder);
    const QString staging = stagingFolder(projectFolder);
    QDir().mkpath(staging);
    return staging;
}

bool commit(const QString &projectFolder)
{
    const QString staging = stagingFolder(projectFolder);
    if (!QDir().rename(staging, committedFolder(projectFolder))) {
        qWarning().noquote() << "save: could not commit" << staging;
        discard(projectFolder);
        return false;
    }
    return rollForward(projectFolder);
}

void discard(const QString &projectFolder)
{
    LWFolderUtil::removeFolder(stagingFolder(projectFolder));
}

bool isReservedName(const QString &effectFolderName)
{
    return QDir::cleanPath(effectFolderName).section(QLatin1Char('/'), 0, 0).startsWith(QLatin1String(".lwsave"));
}

void recover(const QString &projectFolder)
{
    if (projectFolder.isEmpty())
        return;
    if (QFileInfo(committedFolder(projectFolder)).isDir())
        rollForward(projectFolder);
    discard(projectFolder);
}

} // namespace LWSaveJournal
