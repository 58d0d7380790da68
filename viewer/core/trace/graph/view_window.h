// The graph's view window (distance and level spans shown by the plot) and
// the mapping between it and the plot's pixels.
#pragma once

#include <cmath>

namespace orvane::graph {

// Distances in km, levels in dB below the trace's dynamic-range ceiling.
struct ViewWindow {
    double x0 = 0;
    double y0 = 0;
    double width = -1;
    double height = -1;

    // A window never set holds -1 in both spans.
    bool IsSet() const { return !(width == -1 && height == -1); }
    bool operator==(const ViewWindow&) const = default;
};

struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

struct PlotSize {
    int width = 0;
    int height = 0;
    bool operator==(const PlotSize&) const = default;
};

// Pixel positions far outside the plot are held here so that integer
// conversions stay defined.
inline constexpr double kPixelLimit = 1e9;

inline int TruncatedPixel(double value) {
    if (!(value > -kPixelLimit)) return static_cast<int>(-kPixelLimit);
    if (value > kPixelLimit) return static_cast<int>(kPixelLimit);
    return static_cast<int>(value);
}

class PlotMapping {
public:
    PlotMapping(const ViewWindow& window, PlotSize plot) : m_window(window), m_plot(plot) {}

    bool IsUsable() const {
        return m_window.width > 0 && m_window.height > 0 && m_plot.width > 0 && m_plot.height > 0;
    }
    double KMPerPixel() const { return m_window.width / m_plot.width; }
    double DBPerPixel() const { return m_window.height / m_plot.height; }

    int ColumnOfKM(double km) const {
        return TruncatedPixel((km - m_window.x0) * m_plot.width / m_window.width + 0.5);
    }
    double KMOfColumn(double column) const {
        return column * m_window.width / m_plot.width + m_window.x0;
    }
    // Rows grow downward from y0 at the top edge.
    int RowOfValue(double value) const {
        return TruncatedPixel((value - m_window.y0) / DBPerPixel());
    }
    double ValueOfRow(double row) const {
        return row * m_window.height / m_plot.height + m_window.y0;
    }

    const ViewWindow& Window() const { return m_window; }
    PlotSize Plot() const { return m_plot; }

private:
    ViewWindow m_window;
    PlotSize m_plot;
};

} // namespace orvane::graph
