// The 9 x 18 images of the event marks, one per event type, in any colour:
// a stem standing on the curve under a head that tells the type.
#pragma once

#include <QColor>
#include <QImage>

namespace orvane::graph {

// Transparent where the mark is not drawn.
const QImage& EventMarkImage(int eventType, const QColor& colour);

} // namespace orvane::graph
