#pragma once

#include "LWFaceMakeupV2FilterBase.h"

// Teeth whitening: a lookup table applied under a mask over the teeth.
class LWFaceMakeUpV2FilterTeethWhiten : public LWFaceMakeupV2FilterBase
{
    Q_OBJECT
public:
    explicit LWFaceMakeUpV2FilterTeethWhiten(LWFaceMakeUpV2Model *makeup)
        : LWFaceMakeupV2FilterBase(makeup, QStringLiteral("teeth"))
    {
    }
};
