#pragma once

#include <QString>

// The standard face's variants the face tracker's tests look at, each with
// its 106-point table (and the two top corners) in the table's format:
// the mouth open, the eyes shut, and the head turned a little either way.
namespace FaceVariants {

bool generate(const QString &folder);

} // namespace FaceVariants
