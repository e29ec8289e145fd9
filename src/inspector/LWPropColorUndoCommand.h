#pragma once

#include "LWPropBaseUndoCommandT.h"
#include "LWPropColorViewModel.h"

#include <QColor>

// A committed colour: colorValue swaps, colorValueChanged(QColor) follows.
class LWPropColorUndoCommand : public LWPropBaseUndoCommandT<LWPropColorViewModel, QColor>
{
public:
    using LWPropBaseUndoCommandT::LWPropBaseUndoCommandT;
};
