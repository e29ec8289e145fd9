#pragma once

#include "LWFaceMakeupV2FilterBase.h"

// Lip colour over the segmented lips, from a lookup table.
class LWFaceMakeUpV2FilterLipSeg : public LWFaceMakeupV2FilterBase
{
    Q_OBJECT
public:
    explicit LWFaceMakeUpV2FilterLipSeg(LWFaceMakeUpV2Model *makeup)
        : LWFaceMakeupV2FilterBase(makeup, QStringLiteral("lips_seg"))
    {
    }
};
