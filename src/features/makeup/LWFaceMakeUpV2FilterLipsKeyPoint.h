#pragma once

#include "LWFaceMakeupV2FilterBase.h"

// Lip colour over the lips found by key points, from a lookup table and a mask.
class LWFaceMakeUpV2FilterLipsKeyPoint : public LWFaceMakeupV2FilterBase
{
    Q_OBJECT
public:
    explicit LWFaceMakeUpV2FilterLipsKeyPoint(LWFaceMakeUpV2Model *makeup)
        : LWFaceMakeupV2FilterBase(makeup, QStringLiteral("lips_keypoint"))
    {
    }
};
