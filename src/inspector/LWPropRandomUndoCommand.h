#pragma once

#include "LWPropRandomViewModel.h"
#include "undo/LWSwapUndoCommand.h"

// One bound of a random range: the command knows which one it swaps.
class LWPropRandomUndoCommand : public LWSwapUndoCommand<LWPropRandomViewModel, double>
{
public:
    LWPropRandomUndoCommand(std::weak_ptr<LWPropRandomViewModel> node, LWPropRandomViewModel::Bound bound,
                            double value)
        : LWSwapUndoCommand(std::move(node), value)
        , m_bound(bound)
    {
    }

    LWPropRandomViewModel::Bound bound() const { return m_bound; }

protected:
    double readValue(LWPropRandomViewModel &node) const override { return node.boundValue(m_bound); }
    void writeValue(LWPropRandomViewModel &node, const double &value) override { node.applyBound(m_bound, value); }

private:
    LWPropRandomViewModel::Bound m_bound;
};
