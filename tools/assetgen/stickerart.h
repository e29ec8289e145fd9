#pragma once

#include <QImage>
#include <QList>

// Frame sequences of the shipped sticker templates. Each sequence loops:
// frame n + 1 after the last is frame 0 again. Sizes are those of one
// frame; the templates scale them onto the face.
namespace StickerArt {

// "White Cat"
QList<QImage> catEars();   // 320 x 150, ears twitching in turn
QList<QImage> catNose();   // 300 x 120, nose and whiskers, nose at (150, 40)
QList<QImage> catTail();   // 160 x 320, swaying up from the lower right

// "FileMovie"
QList<QImage> filmStrip(); // 360 x 640, strips across the top and bottom, scrolling
QList<QImage> clapper();   // 200 x 180, the clapstick opening and snapping shut
QList<QImage> glasses();   // 320 x 110, lenses centred at (88, 58) and (232, 58)

// "I'm DJ"
QList<QImage> headphones(); // 360 x 360, cups centred at (40, 290) and (320, 290)
QList<QImage> equalizer();  // 360 x 100, bars on a panel
QList<QImage> musicNotes(); // 160 x 240, notes rising

// "Cat And Bear"
QList<QImage> catHead();   // 200 x 190, bobbing
QList<QImage> bearHead();  // 200 x 190, bobbing against the cat
QList<QImage> blush();     // 360 x 90, cheeks centred at (70, 45) and (290, 45)

// "Capsule": the inside of a space capsule, opaque, 360 x 640.
QList<QImage> capsule();

} // namespace StickerArt
