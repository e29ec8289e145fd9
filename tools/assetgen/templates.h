#pragma once

#include <QString>

// The eight template packages the home window offers, made with the
// editor's own code: a project per template, its features added from the
// add menu, the drawn frames and pictures imported, values set in the
// panels and the scene, and the package exported as the editor exports it.
// Next to each "<name>.zip" goes "<name>.png", its tile in the home window.
namespace Templates {

// Runs the editor's code in a private home folder and settings store (the
// author's own are never touched), so it creates the application object
// itself: call it instead of creating one. Returns the exit status.
int run(int argc, char **argv, const QString &folder);

} // namespace Templates
