// A printed text block: lines in sections. A section is the unit the page
// layout keeps together where it can; a section break starts a new one.
#pragma once

#include <string>
#include <vector>

namespace orvane::printing {

struct TextBlock {
    std::vector<std::vector<std::string>> sections;

    bool empty() const { return sections.empty(); }
    void sectionBreak() { sections.emplace_back(); }
    // Adds to the current section (the first one when there is none yet).
    void line(std::string text) {
        if (sections.empty()) sections.emplace_back();
        sections.back().push_back(std::move(text));
    }
    // Every line in order, sections run together.
    std::vector<std::string> lines() const {
        std::vector<std::string> all;
        for (const auto& section : sections)
            all.insert(all.end(), section.begin(), section.end());
        return all;
    }
};

} // namespace orvane::printing
