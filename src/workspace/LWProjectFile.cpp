#include "LWProjectFile.h"

#include "LWSaveJournal.h"
#include "common/LWJsonFile.h"

#include <QFileInfo>
#include <QJsonObject>

LWProjectFile LWProjectFile::read(const QString &projectFilePath)
{
    LWProjectFile project;
    const QJsonObject object = LWJsonFile::read(projectFilePath);
    project.name = object.value(QStringLiteral("name")).toString();
    project.effectFolderName = object.value(QStringLiteral("effect")).toString();
    if (project.name.isEmpty())
        project.name = QFileInfo(projectFilePath).completeBaseName();
    if (project.effectFolderName.isEmpty() || LWSaveJournal::isReservedName(project.effectFolderName))
        project.effectFolderName = QStringLiteral("effect");
    return project;
}

bool LWProjectFile::write(const QString &projectFilePath) const
{
    return LWJsonFile::write(projectFilePath,
                             QJsonObject{{QStringLiteral("name"), name}, {QStringLiteral("effect"), effectFolderName}});
}

QString LWProjectFile::pathFor(const QString &projectFolder, const QString &name)
{
    return projectFolder + QLatin1Char('/') + name + QStringLiteral(".lwproj");
}
