#pragma once

#include <QImage>

// Interface pictures that are neither faces nor icons.
namespace Pictures {

QImage defaultEffectIcon();   // 162 x 162, the upload dialog's starting icon
QImage stickerPlaceholder();  // 300 x 300, a component that has no frames yet
QImage sceneBackdrop();       // 720 x 1280, behind the filter and hair colour previews
QImage hairColorTemplate();   // colour ramp of a templated hair fill

} // namespace Pictures
