#pragma once

#include <QString>

// The per-user application data folder ("<home>/Lumeworks") and the fixed
// places inside it. Every function creates the folders it names when they
// are missing, so callers can write straight away.
namespace LWDataPaths {

QString dataFolder();               // <home>/Lumeworks
QString crashFolder();              // <home>/Lumeworks/crash
QString logFolder();                // <home>/Lumeworks/log
QString helperPath();               // <home>/Lumeworks/LWHelper.exe (not created)
QString settingFlagsPath();         // <home>/Lumeworks/setting.json (not created)
QString recentProjectsPath();       // <home>/Lumeworks/projs.json (not created)
QString backupFolder();             // <home>/Lumeworks/backup

// A sub-folder of the data folder ("projTemp", "tmpSync/<id>" ...).
QString subFolder(const QString &relative);

} // namespace LWDataPaths
