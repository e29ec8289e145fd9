#pragma once

#include <QObject>

// What the main window's save guard is asked to do once the open project is
// dealt with. The numbers are those of the main window's pending codes and
// stay as they are.
namespace LWPendingOperation {
Q_NAMESPACE

enum Operation {
    None = 0,            // closing the main window
    NewProject = 1,      // an empty project
    NewFromTemplate = 2, // a project from a template (its archive and usage event)
    OpenProject = 3,     // the "Open project" dialog
    OpenRecent = 4,      // a recent project (its project file)
    LogOut = 5,          // the log-out question
};
Q_ENUM_NS(Operation)

} // namespace LWPendingOperation
