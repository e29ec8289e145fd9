#pragma once

#include <QImage>
#include <QList>
#include <QPolygonF>

// Artwork of the shipped makeup and filter templates. Face layers are
// drawn in the makeup engine's 1280 x 1280 standard face (the mean face
// centred in it, see makeup.h); sequences loop.
namespace MakeupArt {

// "Orange eye shadow and tear mole"
QList<QImage> orangeShadow(); // shimmering shadow over both upper lids
QImage tearMole();            // one mole under the left eye

// "Ex Machina"
QList<QImage> androidSeams(); // panel seams and pulsing circuit lights
QList<QImage> cyberLiner();   // glowing winged liner
QImage androidIris();         // 150 x 150 pupil texture

// The lips in mean-face coordinates, for previews.
QPolygonF lipsOutline();

// "Sweet Filter": the colour grade of its lookup image (components 0..1).
void sweetGrade(double &r, double &g, double &b);

} // namespace MakeupArt
