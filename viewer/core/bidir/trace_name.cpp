#include "core/bidir/trace_name.h"

#include <algorithm>
#include <vector>

namespace orvane::bidir {

namespace {

constexpr size_t kMaxConventionCount = 1000;

std::u16string_view fileNameOf(std::u16string_view path) {
    const size_t cut = path.find_last_of(u"\\/");
    return cut == std::u16string_view::npos ? path : path.substr(cut + 1);
}

struct NameParts {
    std::u16string_view name;
    std::u16string_view extension;
};

NameParts splitAtLastDot(std::u16string_view text) {
    const size_t dot = text.rfind(u'.');
    if (dot == std::u16string_view::npos) return {text, {}};
    return {text.substr(0, dot), text.substr(dot + 1)};
}

char16_t upper(char16_t c) {
    return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

void readAgainst(std::u16string_view name, std::u16string_view convention,
                 DecodedTraceName& decoded, std::u16string& digits) {
    const size_t n = std::min(name.size(), convention.size());
    for (size_t i = 0; i < n; ++i) {
        switch (upper(convention[i])) {
        case u'A':
            decoded.from += name[i];
            break;
        case u'B':
            decoded.to += name[i];
            break;
        case u'_':
            decoded.wavelength += name[i];
            break;
        case u'#':
            digits += name[i];
            break;
        default:
            break;
        }
    }
}

// Decimal digits (with an optional sign and surrounding blanks) as a number.
std::optional<int32_t> fiberNumber(std::u16string_view digits) {
    while (!digits.empty() && digits.front() == u' ')
        digits.remove_prefix(1);
    while (!digits.empty() && digits.back() == u' ')
        digits.remove_suffix(1);
    bool negative = false;
    if (!digits.empty() && (digits.front() == u'-' || digits.front() == u'+')) {
        negative = digits.front() == u'-';
        digits.remove_prefix(1);
    }
    if (digits.empty() || digits.size() > 9) return std::nullopt;
    int32_t value = 0;
    for (char16_t c : digits) {
        if (c < u'0' || c > u'9') return std::nullopt;
        value = value * 10 + (c - u'0');
    }
    return negative ? -value : value;
}

std::vector<std::u16string_view> dotFields(std::u16string_view name) {
    std::vector<std::u16string_view> fields;
    while (fields.size() < kDefaultInstrumentFormat.size()) {
        const size_t dot = name.find(u'.');
        fields.push_back(name.substr(0, dot));
        if (dot == std::u16string_view::npos) break;
        name.remove_prefix(dot + 1);
    }
    return fields;
}

} // namespace

std::optional<std::string> ValidateFileNameConvention(std::u16string_view convention) {
    const bool blank = convention.find(u' ') != std::u16string_view::npos;
    if (convention.empty() || blank || std::count(convention.begin(), convention.end(), u'.') > 1)
        return std::string(kConventionErrorText);
    size_t a = 0, b = 0, hashes = 0;
    for (char16_t c : convention.substr(0, kMaxConventionCount)) {
        a += upper(c) == u'A';
        b += upper(c) == u'B';
        hashes += c == u'#';
    }
    if (a == 0 || a != b || hashes == 0)
        return std::string(kConventionErrorText) + kConventionCountsText;
    return std::nullopt;
}

std::optional<DecodedTraceName> DecodeTraceName(std::u16string_view path,
                                                std::u16string_view convention) {
    const NameParts file = splitAtLastDot(fileNameOf(path));
    const NameParts pattern = splitAtLastDot(convention);
    DecodedTraceName decoded;
    std::u16string digits;
    readAgainst(file.name, pattern.name, decoded, digits);
    readAgainst(file.extension, pattern.extension, decoded, digits);
    const std::optional<int32_t> fiber = fiberNumber(digits);
    if (!fiber) return std::nullopt;
    decoded.fiber = *fiber;
    return decoded;
}

std::optional<DecodedTraceName> DecodeInstrumentTraceName(std::u16string_view path,
                                                          const InstrumentFormat& format) {
    const std::vector<std::u16string_view> fields = dotFields(fileNameOf(path));
    DecodedTraceName decoded;
    std::optional<int32_t> fiber;
    for (size_t i = 0; i < fields.size(); ++i) {
        switch (static_cast<InstrumentField>(format[i])) {
        case InstrumentField::From:
            decoded.from = fields[i];
            break;
        case InstrumentField::To:
            decoded.to = fields[i];
            break;
        case InstrumentField::Wavelength:
            decoded.wavelength = fields[i];
            break;
        case InstrumentField::Fiber:
            fiber = fiberNumber(fields[i]);
            break;
        default:
            break;
        }
    }
    if (!fiber) return std::nullopt;
    decoded.fiber = *fiber;
    return decoded;
}

InstrumentFormat ParseInstrumentFormat(std::u16string_view text) {
    InstrumentFormat format = kDefaultInstrumentFormat;
    size_t field = 0;
    while (field < format.size()) {
        while (!text.empty() && text.front() == u' ')
            text.remove_prefix(1);
        if (text.empty()) break;
        const size_t end = std::min(text.find(u' '), text.size());
        if (std::optional<int32_t> v = fiberNumber(text.substr(0, end))) format[field] = *v;
        ++field;
        text.remove_prefix(end);
    }
    return format;
}

} // namespace orvane::bidir
