#pragma once

#include <QList>
#include <QMetaType>
#include <QString>

// One entry of the recent-projects list as the interface shows it.
struct LWProjectInfo
{
    Q_GADGET
    Q_PROPERTY(QString projFilePath MEMBER projFilePath)
    Q_PROPERTY(QString projName MEMBER projName)
    Q_PROPERTY(QString projTime MEMBER projTime)
    Q_PROPERTY(QString projSize MEMBER projSize)
public:
    QString projFilePath; // "<dir>/<last component of dir>.lwproj"
    QString projName;     // last component of dir
    QString projTime;     // local date of the last save, "yyyy.MM.dd"
    QString projSize;     // not filled
};
Q_DECLARE_METATYPE(LWProjectInfo)

// "<data>/projs.json": projects most recently saved first.
namespace LWRecentProjects {

constexpr int kShown = 12;

// Moves the project to the front with the current time. With an old folder
// (save-as) that folder's entry is replaced, keeping its other members.
void record(const QString &newFolder, const QString &oldFolder = QString());

// Up to twelve entries whose project file still exists. Vanished projects
// are skipped, not removed: a disconnected drive may come back.
QList<LWProjectInfo> read();

} // namespace LWRecentProjects
