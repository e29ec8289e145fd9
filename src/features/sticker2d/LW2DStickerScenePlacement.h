#pragma once

#include "LW2DStickerAnchor.h"

#include <optional>

// The value a scene command swaps: the position or scale the scene asked
// for and, once the command has run, the part's anchors as they were. Undo
// and redo put those anchors back as they are instead of recomputing them,
// so a step taken back leaves the part exactly as it was.
template <typename T>
struct LW2DStickerScenePlacement
{
    T value;
    std::optional<LW2DStickerAnchors> anchors;
};
