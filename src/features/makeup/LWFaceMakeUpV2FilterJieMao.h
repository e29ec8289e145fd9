#pragma once

#include "LWFaceMakeupV2FilterBase.h"

// Eyelashes: a sequence of 174 x 89 frames.
class LWFaceMakeUpV2FilterJieMao : public LWFaceMakeupV2FilterBase
{
    Q_OBJECT
public:
    explicit LWFaceMakeUpV2FilterJieMao(LWFaceMakeUpV2Model *makeup)
        : LWFaceMakeupV2FilterBase(makeup, QStringLiteral("jiemao_v2"))
    {
    }
};
