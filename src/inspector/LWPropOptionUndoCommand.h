#pragma once

#include "LWPropBaseUndoCommandT.h"
#include "LWPropOptionViewModel.h"

// A drop-down choice: the item index and the displayed text swap together.
class LWPropOptionUndoCommand : public LWPropBaseUndoCommandT<LWPropOptionViewModel, int>
{
public:
    using LWPropBaseUndoCommandT::LWPropBaseUndoCommandT;
};
