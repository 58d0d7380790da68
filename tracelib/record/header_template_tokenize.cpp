// Cutting template text into header fields.
#include "record/header_template.h"

#include <algorithm>

namespace varnel {
namespace {

// Codes of the automatic kinds, kind 3 first.
constexpr const char16_t* kAutoCodes[] = {u"CID", u"FNO", u"FTP", u"TSI", u"FSI", u"MDY",
                                          u"NTW", u"SGT", u"PRJ", u"TST", u"FLE", u"WAV",
                                          u"MNF", u"MDL", u"OPM", u"OSN", u"SWV"};

constexpr size_t kMarkerChars = 4; // '<' and the three-letter code

bool isBlank(char16_t c) {
    return c == u' ' || c == u'\t';
}

class Tokenizer {
public:
    explicit Tokenizer(std::u16string_view text) : text_(text) {}

    TemplateParse run() {
        while (pos_ < text_.size() && !stopped_)
            step();
        if (parse_.fields.empty()) parse_.status = T6_HDR_EMPTY_TEMPLATE;
        return std::move(parse_);
    }

private:
    void step() {
        char16_t c = text_[pos_];
        if (c == u'\r') {
            ++pos_;
        } else if (c == u'\n') {
            ++pos_;
            endLine();
        } else if (size_t n = pageBreakAt(pos_)) {
            pos_ += n;
            endPage();
        } else if (c == u'$' || c == u'@') {
            readRun(c == u'$' ? kHdrKindDollar : kHdrKindAt);
        } else if (int32_t kind = autoKindAt(pos_)) {
            readAutoField(kind);
        } else {
            readLabel();
        }
    }

    // Characters the page break takes at i, or 0 when there is none.
    size_t pageBreakAt(size_t i) const {
        if (text_[i] == u'\f') return 1;
        if (text_[i] == u'.' && i + 1 < text_.size() && text_[i + 1] == u'P') return 2;
        return 0;
    }

    // The automatic kind whose marker starts at i, or 0.
    int32_t autoKindAt(size_t i) const {
        if (text_[i] != u'<' || text_.size() - i < kMarkerChars) return 0;
        std::u16string_view code = text_.substr(i + 1, kMarkerChars - 1);
        for (size_t k = 0; k < std::size(kAutoCodes); ++k) {
            if (code == kAutoCodes[k]) return kHdrKindFirstAuto + static_cast<int32_t>(k);
        }
        return 0;
    }

    bool startsToken(size_t i) const {
        char16_t c = text_[i];
        return c == u'\n' || c == u'$' || c == u'@' || pageBreakAt(i) != 0 || autoKindAt(i) != 0;
    }

    void readRun(int32_t kind) {
        char16_t mark = text_[pos_];
        size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] == mark)
            ++pos_;
        emit(kind, pos_ - start, {});
    }

    void readAutoField(int32_t kind) {
        pos_ += kMarkerChars;
        size_t width = kMarkerChars;
        for (; pos_ < text_.size(); ++pos_) {
            char16_t c = text_[pos_];
            if (isBlank(c)) {
                ++width;
            } else if (c != u'\r') {
                break;
            }
        }
        if (pos_ < text_.size() && text_[pos_] == u'>') {
            ++pos_;
            ++width;
        }
        emit(kind, width, {});
    }

    void readLabel() {
        std::u16string label;
        size_t width = 0;
        for (; pos_ < text_.size() && !startsToken(pos_); ++pos_) {
            char16_t c = text_[pos_];
            if (c == u'\r') continue;
            // Only what can show within the line is kept.
            if (label.size() < static_cast<size_t>(kHdrTextChars)) {
                label.push_back(c == u'\t' ? u' ' : c);
            }
            ++width;
        }
        emit(kHdrKindLabel, width, std::move(label));
    }

    void endLine() {
        column_ = 0;
        if (++line_ == kHdrLinesPerPage) startPage();
    }

    void endPage() {
        if (line_ == 0 && column_ == 0) return;
        startPage();
    }

    void startPage() {
        ++page_;
        line_ = 0;
        column_ = 0;
    }

    void emit(int32_t kind, size_t width, std::u16string label) {
        if (page_ >= kHdrMaxPages) return stop(T6_HDR_TOO_MANY_PAGES);
        size_t start = column_;
        column_ += width;
        if (column_ > static_cast<size_t>(kHdrColumns)) {
            width = start < static_cast<size_t>(kHdrColumns) ? kHdrColumns - start : 0;
            column_ = kHdrColumns;
            parse_.status = T6_HDR_FIELD_CUT;
        }
        if (width == 0) return;
        if (parse_.fields.size() == static_cast<size_t>(kHdrMaxFields)) {
            return stop(T6_HDR_TOO_MANY_FIELDS);
        }
        if (label.size() > width) label.resize(width);
        parse_.fields.push_back({static_cast<uint8_t>(page_), static_cast<uint8_t>(line_),
                                 static_cast<uint8_t>(start), static_cast<uint8_t>(width),
                                 static_cast<uint8_t>(kind), std::move(label)});
    }

    void stop(int32_t status) {
        parse_.status = status;
        stopped_ = true;
    }

    std::u16string_view text_;
    size_t pos_ = 0;
    int64_t page_ = 0;  // may run past the last page before a field shows it
    int32_t line_ = 0;  // 0 to 18
    size_t column_ = 0; // column after the previous field on this line, at most 50
    bool stopped_ = false;
    TemplateParse parse_;
};

} // namespace

const char16_t* autoFieldCode(int32_t kind) {
    if (kind < kHdrKindFirstAuto || kind > kHdrKindLastAuto) return nullptr;
    return kAutoCodes[kind - kHdrKindFirstAuto];
}

TemplateParse tokenizeTemplate(std::u16string_view text) {
    return Tokenizer(text).run();
}

TemplateParse parseHeaderTemplate(const uint8_t* bytes, size_t length) {
    std::u16string text = decodeTemplateText(bytes, length);
    return tokenizeTemplate(text);
}

} // namespace varnel
