#pragma once

#include "LWFaceMakeupV2FilterBase.h"

// Lip colour with gloss and shimmer parameters, always over the lips.
class LWFaceMakeUpV2FilterLipsV2 : public LWFaceMakeupV2FilterBase
{
    Q_OBJECT
public:
    explicit LWFaceMakeUpV2FilterLipsV2(LWFaceMakeUpV2Model *makeup)
        : LWFaceMakeupV2FilterBase(makeup, QStringLiteral("lips_v2"))
    {
    }
};
