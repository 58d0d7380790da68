// The built-in header templates: the standard one and the SR-4731 one.
#include "record/header_builtin.h"

#include <varnel/varnel.h>

#include <initializer_list>
#include <string>

using namespace varnel;

namespace {

std::u16string rep(char16_t c, size_t count) {
    return std::u16string(count, c);
}

std::vector<uint8_t> templateBytes(std::initializer_list<std::u16string> lines) {
    std::vector<uint8_t> bytes = {0xFF, 0xFE};
    for (const std::u16string& line : lines) {
        for (char16_t c : line + u"\r\n") {
            bytes.push_back(static_cast<uint8_t>(c & 0xFF));
            bytes.push_back(static_cast<uint8_t>(c >> 8));
        }
    }
    return bytes;
}

} // namespace

namespace varnel {

const std::vector<uint8_t>& standardHeaderTemplate() {
    static const std::vector<uint8_t> bytes = templateBytes({
        u"Filename : <FLE" + rep(u' ', 34) + u">",
        u"Cable ID : <CID" + rep(u' ', 34) + u">",
        u"Fiber No.: <FNO" + rep(u' ', 7) + u">  Fiber Type: <FTP" + rep(u' ', 8) + u">",
        u"Wavelngth: <WAV" + rep(u' ', 7) + u">",
        u"Length   : " + rep(u'@', 39),
        u"Test Site: " + rep(u'@', 39),
        u"Far  Site: " + rep(u'@', 39),
        u"Date&Time: <MDY" + rep(u' ', 34) + u">",
        u"Operator : " + rep(u'@', 39),
        u"Network  : <NTW" + rep(u' ', 34) + u">",
        u"Segment  : <SGT" + rep(u' ', 34) + u">",
        u"Project  : <PRJ" + rep(u' ', 34) + u">",
        u"Test     : <TST" + rep(u' ', 34) + u">",
        u"Notes:  " + rep(u'@', 42),
        rep(u' ', 8) + rep(u'@', 42),
        rep(u' ', 8) + rep(u'@', 42),
    });
    return bytes;
}

const std::vector<uint8_t>& bellHeaderTemplate() {
    static const std::vector<uint8_t> bytes = templateBytes({
        u"   Language: @@",
        u"   Cable ID: <CID" + rep(u' ', 31) + u">",
        u"   Fiber ID: <FNO" + rep(u' ', 31) + u">",
        u" Wavelength: <WAV>",
        u"   Org. Loc: <TSI" + rep(u' ', 31) + u">",
        u"  Term. Loc: <FSI" + rep(u' ', 31) + u">",
        u" Cable Code: " + rep(u'@', 36),
        u"  Condition: @@",
        u"   Operator: " + rep(u'@', 36),
        u"    Comment: " + rep(u'@', 36),
        u"   Supplier: <MNF" + rep(u' ', 31) + u">",
        u" OTDR Model: <MDL" + rep(u' ', 31) + u">",
        rep(u' ', 8) + u"S/N: " + rep(u'@', 36),
        u" Optics Mod: <OPM" + rep(u' ', 31) + u">",
        rep(u' ', 8) + u"S/N: <OSN" + rep(u' ', 31) + u">",
        u"   S/W Rev.: <SWV" + rep(u' ', 31) + u">",
        rep(u' ', 6) + u"Other: " + rep(u'@', 36),
    });
    return bytes;
}

} // namespace varnel

int32_t CT6::HDRFromStdT6HDR() {
    const std::vector<uint8_t>& bytes = standardHeaderTemplate();
    return HDRFromTemplate(bytes.data(), static_cast<int32_t>(bytes.size()));
}

int32_t CT6::HDRFromBellHDR() {
    const std::vector<uint8_t>& bytes = bellHeaderTemplate();
    return HDRFromTemplate(bytes.data(), static_cast<int32_t>(bytes.size()));
}
