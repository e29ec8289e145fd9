#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>

// The exported effect package the uploads send ("<data>/tmpSync/lw.zip",
// built by the workspace). Tests replace the builder with one of their own.
namespace LWUploadPackage {

using Builder = std::function<QString()>;

void setBuilder(Builder builder); // empty: the workspace's builder
// Builds the package; its path, or empty when there is none.
QString build();
// Where the last built package is, without building again.
QString currentPath();

// The service refuses larger packages; they are never sent.
bool isOverLimit(qint64 bytes);
// "1.5M" above one mebibyte (two significant digits), else "1024.00Kb".
QString sizeText(qint64 bytes);

} // namespace LWUploadPackage
