#pragma once
// Where one attached control goes after its bar moved, and whether it is to
// be shown: moved, stretched or re-centred along the bar's axis; hidden when
// too small, covered by the bar or sticking out of its container; shown again
// once it has room. Nothing across the axis changes.
#include <cstdint>
#include <optional>

#include "controls/splitter/Box.h"
#include "controls/splitter/SplitterModel.h"

struct LayoutSubject {
    Box box;                   // the control now
    bool visible = false;
    bool isSmartSplitter = false;
    std::optional<Box> parent;  // its container, if it is embedded
};

enum class VisibilityChange { Leave, Show, Hide };

struct LayoutDecision {
    int32_t position = 0, extent = 0;  // along the axis (Left/Width or Top/Height)
    bool hideBeforeResizing = false;   // the extent drops below 1
    VisibilityChange afterwards = VisibilityChange::Leave;
};

// `bar` is the bar's own box after the move, `distance` how far it moved.
LayoutDecision layoutAttachedControl(const SplitterModel& m, const AttachedControl& entry, const Box& bar,
                                     int32_t distance, const LayoutSubject& subject);
