#pragma once

#include "LWFaceMakeupV2FilterBase.h"

// Eyebrows: a texture and its mask, with a thickness apart from the intensity.
class LWFaceMakeUpV2FilterBrow : public LWFaceMakeupV2FilterBase
{
    Q_OBJECT
public:
    explicit LWFaceMakeUpV2FilterBrow(LWFaceMakeUpV2Model *makeup)
        : LWFaceMakeupV2FilterBase(makeup, QStringLiteral("brow"))
    {
    }
};
