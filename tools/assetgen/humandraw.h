#pragma once

#include <QColor>
#include <QImage>

// Looks of the standard human face. The geometry never changes with the
// style, only colours and hair, so one point table serves every picture.
struct HumanStyle
{
    bool background = true; // false: transparent around the figure
    bool fringe = true;     // side-swept fringe; otherwise hair drawn back
    bool blush = true;
    QColor bgTop, bgBottom;
    QColor skin, skinShade, skinLine;
    QColor hair, hairLight;
    QColor brow;
    QColor iris, irisDark;
    QColor lip, lipDark, mouth;
    QColor shirt, shirtShade;
};

HumanStyle stickerFaceStyle();
HumanStyle meanFaceStyle();

QImage drawHumanFace(const HumanStyle &style);
// A variant of the face (see humanface.h), in the same style.
struct HumanFaceGeometry;
QImage drawHumanFace(const HumanStyle &style, const HumanFaceGeometry &geometry);
// The scene behind the figure alone.
QImage drawHumanBackground(const HumanStyle &style);
