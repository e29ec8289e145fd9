#pragma once

#include "LWFaceMakeupV2FilterBase.h"

// Lip colour from a texture, a sequence and a lookup table; needs engine 2.9.
class LWFaceMakeUpV2FilterLipV3 : public LWFaceMakeupV2FilterBase
{
    Q_OBJECT
public:
    explicit LWFaceMakeUpV2FilterLipV3(LWFaceMakeUpV2Model *makeup)
        : LWFaceMakeupV2FilterBase(makeup, QStringLiteral("lips_v3"))
    {
    }
};
