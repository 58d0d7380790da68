#include "core/bidir/trace_sequence.h"

#include "core/platform/text.h"

namespace orvane::bidir {

std::string recordName(const CT6& record) {
    return textOf([&record](char16_t* out) { record.GetFilename(out); });
}

} // namespace orvane::bidir
