// libFuzzer target: header templates come from instruments and other
// programs. Any bytes decode to some text; saving that text in the encoding
// it was read in and reading it again gives the same text back.
#include "core/headered/header_template_codec.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const orvane::HeaderTemplateText read = orvane::decodeHeaderTemplate({data, size});
    const std::vector<uint8_t> written = orvane::encodeHeaderTemplate(read.text, read.encoding);
    const orvane::HeaderTemplateText again = orvane::decodeHeaderTemplate(written);
    if (again.text != read.text || again.encoding != read.encoding) __builtin_trap();
    return 0;
}
