#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// Builds a zip archive in memory (deflated entries, no time stamps, so the
// same input gives the same bytes). A name ending in "/" is a folder entry.
namespace ZipWriter {

QByteArray build(const QList<QPair<QString, QByteArray>> &entries, bool *ok);

} // namespace ZipWriter
