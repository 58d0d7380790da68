#include "core/shell/languages.h"

#include "core/platform/file_access.h"
#include "core/platform/text.h"

namespace orvane {

const std::vector<Language>& knownLanguages() {
    static const std::vector<Language> languages = {
        {"ENU", "English"},
        {"FRA", "French"},
        {"ESP", "Spanish"},
        {"DEU", "German"},
        {"ITA", "Italian"},
        {"CHT", "Chinese-Traditional"},
        {"CHS", "Chinese-Simplified"},
        {"KOR", "Korean"},
        {"JPN", "Japanese"},
        {"ESM", "Spanish-Mexican"},
        {"PTG", "Portugese"},
        {"RUS", "Russian"},
        {"SVE", "Swedish"},
        {"PTB", "Portugese-Brazilian"},
    };
    return languages;
}

std::string languageName(const std::string& code) {
    for (const Language& language : knownLanguages())
        if (equalsIgnoringCase(code, language.code)) return language.name;
    return code;
}

std::vector<Language> availableLanguages(const std::string& directory, const std::string& suffix) {
    std::vector<Language> found = {knownLanguages().front()};
    const std::string folder =
        directory.empty() || directory.back() == '/' ? directory : directory + "/";
    for (const Language& language : knownLanguages()) {
        if (equalsIgnoringCase(language.code, kEnglishCode)) continue;
        if (fileExists(folder + "OTDR" + language.code + suffix)) found.push_back(language);
    }
    return found;
}

} // namespace orvane
