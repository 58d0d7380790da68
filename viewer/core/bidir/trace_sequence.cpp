#include "core/bidir/trace_sequence.h"

namespace orvane::bidir {

std::u16string recordName(const CT6& record) {
    char16_t buffer[256] = {};
    record.GetFilename(buffer);
    buffer[255] = 0;
    return buffer;
}

} // namespace orvane::bidir
