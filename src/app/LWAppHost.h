#pragma once

#include <QStringList>

class QQmlEngine;

// What the entry point and the interface smoke test share: the registered
// types, the published service objects and the window documents.
namespace LWAppHost {

// Metatypes that must be known before any engine exists.
void registerTypes();

// Publishes the process-wide service objects on the engine, in order, and
// adds the image providers; then wires the services (below).
void publishServices(QQmlEngine &engine);

// Connects the services to each other and to the windows: the inspector to
// the controller, the dialogs, oversized packages to the compression
// window, refused imports to their message. Safe to call more than once.
void wireServices();

// The top-level window documents, in loading order.
QStringList windowDocuments();

// Handles the program's arguments: a single argument naming an existing
// ".lwproj" file is taken like a file-open request from the shell.
void takeArguments(const QStringList &arguments);

} // namespace LWAppHost
