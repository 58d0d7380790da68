// The user-interface languages: three-letter codes, their names, and the
// translation files found beside the program ("OTDR" + code).
#pragma once

#include <string>
#include <vector>

namespace orvane {

inline constexpr char kEnglishCode[] = "ENU";

struct Language {
    const char* code;
    const char* name;
};

const std::vector<Language>& knownLanguages();
// The name of a code ("FRA" -> "French"); the code itself when unknown.
std::string languageName(const std::string& code);

// "English" first, then every known language whose file
// directory/OTDR<code><suffix> exists (suffix ".qm" for the program,
// ".HLP" for help), in the order of the known languages.
std::vector<Language> availableLanguages(const std::string& directory, const std::string& suffix);

} // namespace orvane
