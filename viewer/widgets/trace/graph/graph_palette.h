// The graph's colours: background, grid, axes, cursors, the primary trace,
// the LSA segments and the eight slot colours of the other traces.
#pragma once

#include "core/trace/graph/graph_codes.h"

#include <QColor>

#include <array>

namespace orvane::graph {

struct GraphPalette {
    QColor background{Qt::white};
    QColor grid{215, 215, 215};
    QColor axis{Qt::black};
    QColor cursor{200, 0, 0};
    QColor primary{Qt::black};
    QColor lsa{180, 224, 180};
    std::array<QColor, kMaxTraces> slotColours{{
        QColor(0, 0, 255),
        QColor(0, 140, 0),
        QColor(200, 0, 200),
        QColor(0, 150, 170),
        QColor(230, 120, 0),
        QColor(130, 80, 30),
        QColor(110, 40, 170),
        QColor(120, 120, 120),
    }};

    QColor SlotColour(int slot) const {
        if (slot < 0 || slot >= kMaxTraces) return primary;
        return slotColours[static_cast<size_t>(slot)];
    }
};

} // namespace orvane::graph
