// The pages of each print kind, composed onto the canvas: the current view,
// a batch of traces one after another, a frame of plots per page, and
// bi-directional pairs.
#pragma once

#include "core/printing/print_list.h"
#include "widgets/printing/page_canvas.h"

namespace orvane::printing {

struct PrintRequest;

struct Composition {
    PageCanvas& canvas;
    const PrintRequest& request;
    PrintList& traces;
};

struct TracePair {
    std::size_t a, b; // indices into the print list
    int32_t fiber;
};

void ComposeCurrentView(const Composition& c);
void ComposeBatch(const Composition& c);
void ComposeFrame(const Composition& c);
void ComposeBiDirectional(const Composition& c, const std::vector<TracePair>& pairs);

} // namespace orvane::printing
