// Any bytes must parse to a status, with every field inside the page geometry.
#include "record/header_template.h"

#include <cstdlib>

using namespace varnel;

static void Check(bool ok) {
    if (!ok) std::abort();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TemplateParse parse = ParseHeaderTemplate(data, size);
    Check(parse.status == kHdrOK ||
          (parse.status >= kHdrFieldCut && parse.status <= kHdrEmptyTemplate));
    Check(parse.fields.size() <= static_cast<size_t>(kHdrMaxFields));
    Check(parse.fields.empty() == (parse.status == kHdrEmptyTemplate));
    for (const TemplateField& f : parse.fields) {
        Check(f.page < kHdrMaxPages && f.line < kHdrLinesPerPage);
        Check(f.length > 0 && f.column + f.length <= kHdrColumns);
        Check(f.kind <= kHdrKindLastAuto);
        Check(f.label.size() <= f.length);
    }
    return 0;
}
