#pragma once

#include "windowdrag.h"

namespace kalmoro {

// A captionless frame that clips its children. A press on it moves the window.
class GroupBox final : public DragArea
{
    Q_OBJECT
public:
    using DragArea::DragArea;
};

} // namespace kalmoro
