#pragma once

#include <QImage>
#include <QString>
#include <QVector>

// Default textures of the makeup layers. Face-sized layers are drawn in the
// makeup engine's 1280 x 1280 standard face, in which the 720-wide mean
// face sits centred (x offset 280).
namespace Makeup {

constexpr int faceSize = 1280;
constexpr qreal meanFaceOffsetX = (faceSize - 720) / 2.0;

struct Texture
{
    QString name; // folder and frame prefix under the makeup resources
    QImage image;
};

// One texture per default resource name of the makeup layers.
QVector<Texture> defaultTextures();

QImage blackMask();       // pupil mask that hides the pupil layer
QImage transparentPicture();

} // namespace Makeup
