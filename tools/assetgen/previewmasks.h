#pragma once

#include <QImage>

// What the effect renderer needs to know about the standard human face that
// its point table does not say: where the hair and the person are (grey
// masks, white inside), a ring round the person for matting borders, and
// the scene behind the person.
namespace PreviewMasks {

QImage hair();
QImage person();
QImage personBorder();
QImage emptyScene();

} // namespace PreviewMasks
