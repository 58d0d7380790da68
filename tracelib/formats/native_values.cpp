#include "formats/native_values.h"

#include <algorithm>
#include <charconv>

namespace varnel::native {

bool ValueReader::dpfr(int32_t& dp, uint16_t& fr) {
    int32_t d = 0;
    uint16_t f = 0;
    if (cursor_.remaining() < 6 || !cursor_.readI32(d) || !cursor_.readU16(f)) return false;
    dp = d;
    fr = f;
    return true;
}

std::u16string ValueReader::str() {
    std::u16string text;
    uint16_t unit = 0;
    while (cursor_.readU16(unit) && unit != 0)
        text.push_back(static_cast<char16_t>(unit));
    if (cursor_.remaining() == 1) cursor_.skip(1);
    return text;
}

void ValueReader::str(char16_t* out, size_t capacity) {
    std::u16string text = str();
    size_t n = std::min(text.size(), capacity);
    std::copy_n(text.begin(), n, out);
    out[n] = 0;
}

bool ValueReader::real(double& v) {
    return ParseReal(str(), v);
}

List5 ValueReader::list5() {
    List5 values{};
    for (int32_t& v : values)
        if (!cursor_.readI32(v)) break;
    return values;
}

ValueWriter& ValueWriter::str(std::u16string_view text, size_t maxChars) {
    text = text.substr(0, std::min(text.size(), maxChars));
    for (char16_t c : text)
        u16(static_cast<uint16_t>(c));
    u16(0);
    return *this;
}

ValueWriter& ValueWriter::real(double v) {
    return str(FormatReal(v));
}

ValueWriter& ValueWriter::list5(const List5& values) {
    size_t used = values.size();
    while (used > 0 && values[used - 1] == 0)
        --used;
    for (size_t i = 0; i < used; ++i)
        i32(values[i]);
    return *this;
}

std::u16string FormatReal(double v) {
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 15);
    std::string text(buf, ec == std::errc() ? end : buf);
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; });
    // to_chars writes at least two exponent digits; files carry three.
    size_t e = text.find('E');
    if (e != std::string::npos && text.size() - e == 4) text.insert(e + 2, "0");
    if (text.size() < 24) text.insert(0, 24 - text.size(), ' ');
    return std::u16string(text.begin(), text.end());
}

bool ParseReal(std::u16string_view text, double& v) {
    std::string ascii;
    for (char16_t c : text) {
        if (c > 0x7F) break;
        ascii.push_back(static_cast<char>(c));
    }
    size_t start = ascii.find_first_not_of(" \t\r\n");
    if (start == std::string::npos) return false;
    if (ascii[start] == '+') ++start;
    double parsed = 0;
    const char* first = ascii.data() + start;
    auto [ptr, ec] = std::from_chars(first, ascii.data() + ascii.size(), parsed);
    if (ec != std::errc() || ptr == first) return false;
    v = parsed;
    return true;
}

} // namespace varnel::native
