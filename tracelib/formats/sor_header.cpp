// Header pages of SR-4731 traces: the built-in SR-4731 header filled from a
// file, and the header fields the writer looks up by their labels.
#include "formats/sor_record.h"
#include "formats/sor_text.h"

#include <string>
#include <vector>

namespace {

constexpr int32_t kFieldTextChars = 50;

} // namespace

void CT6::SR4731::readHeaderPages(CT6& r, const SorFile& f) {
    char16_t wavelength[64] = {};
    r.GetWavelengthNominal(wavelength, 0);
    std::vector<std::u16string> values;
    for (const std::string* text : {&f.gen.languageCode, &f.gen.cableID, &f.gen.fiberID}) {
        values.push_back(varnel::sor::fileTextToWide(*text));
    }
    values.push_back(wavelength);
    for (const std::string* text :
         {&f.gen.originatingLocation, &f.gen.terminatingLocation, &f.gen.cableCode,
          &f.gen.currentDataFlag, &f.gen.operatorName, &f.gen.comment, &f.sup.supplier,
          &f.sup.mainframeID, &f.sup.mainframeSN, &f.sup.moduleID, &f.sup.moduleSN,
          &f.sup.softwareRevision, &f.sup.other}) {
        values.push_back(varnel::sor::fileTextToWide(*text));
    }
    r.HDRFromBellHDR();
    // The template's value fields are the odd ones, each after its label.
    for (size_t k = 0; k < values.size(); ++k) {
        r.HDRSetFldStg(static_cast<int32_t>(2 * k + 1), values[k].c_str());
    }
}

std::u16string CT6::SR4731::headerValue(const CT6& r, const char16_t* label, bool& found) {
    found = false;
    const int32_t labelIndex = r.HDRFindFixedStg(label);
    if (labelIndex < 0) return {};
    uint8_t page = 0, line = 0, column = 0, length = 0, kind = 0;
    char16_t text[kFieldTextChars + 1] = {};
    if (r.HDRGetFldInfo(labelIndex + 1, 1, page, line, column, length, kind, text) != 0) {
        return {};
    }
    found = true;
    return text;
}

std::string CT6::SR4731::headerFileText(const CT6& r,
                                        std::initializer_list<const char16_t*> labels) {
    for (const char16_t* label : labels) {
        bool found = false;
        const std::u16string value = headerValue(r, label, found);
        if (found) return varnel::sor::wideToFileText(value);
    }
    return {};
}
