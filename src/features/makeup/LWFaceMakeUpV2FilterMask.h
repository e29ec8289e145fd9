#pragma once

#include "LWFaceMakeupV2FilterBase.h"

// A full-face overlay sequence, cut to its visible part on export.
class LWFaceMakeUpV2FilterMask : public LWFaceMakeupV2FilterBase
{
    Q_OBJECT
public:
    explicit LWFaceMakeUpV2FilterMask(LWFaceMakeUpV2Model *makeup)
        : LWFaceMakeupV2FilterBase(makeup, QStringLiteral("mask"))
    {
    }
};
