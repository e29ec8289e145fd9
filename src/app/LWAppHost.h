#pragma once

#include <QStringList>

class QQmlEngine;

// What the entry point and the interface smoke test share: the registered
// types, the published service objects and the window documents.
namespace LWAppHost {

// Metatypes that must be known before any engine exists.
void registerTypes();

// Publishes the process-wide service objects on the engine, in order, and
// adds the image providers; connects the inspector to the controller.
void publishServices(QQmlEngine &engine);

// The top-level window documents, in loading order.
QStringList windowDocuments();

// Handles the program's arguments: a single argument naming an existing
// ".lwproj" file is taken like a file-open request from the shell.
void takeArguments(const QStringList &arguments);

} // namespace LWAppHost
