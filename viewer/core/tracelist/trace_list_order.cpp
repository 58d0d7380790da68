#include "core/tracelist/trace_list_order.h"

#include "core/platform/text.h"

#include <algorithm>

namespace orvane {

namespace {

constexpr char16_t kBlank = u' ';

// Lower case over ASCII and Latin-1, the letters file names of the field
// carry.
char16_t lowered(char16_t c) {
    if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<char16_t>(c + 32);
    return c;
}

std::u16string loweredText(std::u16string text) {
    std::transform(text.begin(), text.end(), text.begin(), lowered);
    return text;
}

size_t nameStart(const std::string& path) {
    const size_t cut = path.find_last_of("\\/");
    return cut == std::string::npos ? 0 : cut + 1;
}

// The characters of text at the positions of mask that hold digit, a blank
// beyond the end of the text.
void appendMasked(std::u16string& key, const std::u16string& text, const std::string& mask,
                  char digit) {
    for (size_t i = 0; i < mask.size(); ++i) {
        if (mask[i] != digit) continue;
        key += i < text.size() ? text[i] : kBlank;
    }
}

} // namespace

bool TraceSortKey::operator<(const TraceSortKey& other) const {
    if (nameParts != other.nameParts) return nameParts < other.nameParts;
    return folder < other.folder;
}

std::string traceFileName(const std::string& path) {
    return path.substr(nameStart(path));
}

std::string traceFolder(const std::string& path) {
    return path.substr(0, nameStart(path));
}

TraceListOrder::TraceListOrder(const Preferences& preferences)
    : m_maskName(preferences.sortMaskName), m_maskExt(preferences.sortMaskExt),
      m_convention(preferences.nv8fnEnabled != 0),
      m_fieldCount(std::clamp(preferences.nv8fnFldCount, 0, kNameFieldCount)),
      m_fieldRanks(preferences.nv8fnSort) {}

TraceSortKey TraceListOrder::keyOf(const std::string& path) const {
    TraceSortKey key;
    key.folder = loweredText(toUtf16(traceFolder(path)));
    const std::u16string name = loweredText(toUtf16(traceFileName(path)));
    if (m_convention)
        key.nameParts = conventionParts(name);
    else if (m_maskName.empty() && m_maskExt.empty())
        key.nameParts = {name};
    else
        key.nameParts = {maskedKey(name)};
    return key;
}

// The instrument's names are fields separated by '.'; the sort ranks say
// which field is compared first, second and so on.
std::vector<std::u16string> TraceListOrder::conventionParts(const std::u16string& name) const {
    std::array<std::u16string, kNameFieldCount> fields;
    size_t start = 0;
    for (int f = 0; f < kNameFieldCount && start <= name.size(); ++f) {
        const bool last = f + 1 == kNameFieldCount;
        const size_t dot = last ? std::u16string::npos : name.find(u'.', start);
        fields[static_cast<size_t>(f)] =
            name.substr(start, dot == std::u16string::npos ? dot : dot - start);
        if (dot == std::u16string::npos) break;
        start = dot + 1;
    }
    std::vector<std::u16string> parts;
    for (int32_t rank = 1; rank <= kNameFieldCount; ++rank) {
        for (int position = 0; position < m_fieldCount; ++position) {
            if (m_fieldRanks[static_cast<size_t>(position)] == rank)
                parts.push_back(fields[static_cast<size_t>(position)]);
        }
    }
    return parts;
}

// Under the masks every name gives a key of the same length: for each
// priority digit, the masked characters of the base and then of the
// extension. Comparing keys compares the names digit by digit.
std::u16string TraceListOrder::maskedKey(const std::u16string& name) const {
    const size_t dot = name.rfind(u'.');
    const std::u16string base = dot == std::u16string::npos ? name : name.substr(0, dot);
    const std::u16string ext =
        dot == std::u16string::npos ? std::u16string() : name.substr(dot + 1);
    std::u16string key;
    for (char digit = '1'; digit <= '9'; ++digit) {
        appendMasked(key, base, m_maskName, digit);
        appendMasked(key, ext, m_maskExt, digit);
    }
    return key;
}

} // namespace orvane
