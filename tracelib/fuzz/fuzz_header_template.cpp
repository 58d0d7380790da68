// Any bytes must parse to a status, with every field inside the page geometry.
#include "record/header_template.h"

#include <cstdlib>

using namespace varnel;

static void check(bool ok) {
    if (!ok) std::abort();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TemplateParse parse = parseHeaderTemplate(data, size);
    check(parse.status == kHdrOK ||
          (parse.status >= kHdrFieldCut && parse.status <= kHdrEmptyTemplate));
    check(parse.fields.size() <= static_cast<size_t>(kHdrMaxFields));
    check(parse.fields.empty() == (parse.status == kHdrEmptyTemplate));
    for (const TemplateField& f : parse.fields) {
        check(f.page < kHdrMaxPages && f.line < kHdrLinesPerPage);
        check(f.length > 0 && f.column + f.length <= kHdrColumns);
        check(f.kind <= kHdrKindLastAuto);
        check(f.label.size() <= f.length);
    }
    return 0;
}
