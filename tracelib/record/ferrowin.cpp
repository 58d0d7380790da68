#include "record/ferrowin.h"

#include <varnel/outside_library.h>

#include <list>
#include <string_view>

namespace varnel::ferrowin {
namespace {

constexpr std::string_view kLibraryName = "Ferrowin";

// Every table handed out stays valid for the life of the process, so that
// switching converters in tests never changes a table someone still holds.
std::list<Exports>& loadedTables() {
    static std::list<Exports> tables;
    return tables;
}

const Exports* load(OutsideLibrary library) {
    Exports loaded;
    void* names = library.symbol("T5PRODUCT_NAMES");
    loaded.productNames = static_cast<const char16_t* const*>(names);
    bool complete = library.resolve("DecompTraceToT5", loaded.decompTraceToT5) &&
                    library.resolve("T5ToCompTrace", loaded.t5ToCompTrace) &&
                    library.resolve("T5Free", loaded.t5Free) &&
                    library.resolve("T5Malloc", loaded.t5Malloc) && names;
    if (!complete) return nullptr;
    library.detach();
    loadedTables().push_back(loaded);
    return &loadedTables().back();
}

struct Choice {
    bool made = false;
    const Exports* exports = nullptr;
};

Choice& current() {
    static Choice choice;
    return choice;
}

} // namespace

const Exports* exports() {
    Choice& choice = current();
    if (!choice.made) {
        choice.exports = load(OutsideLibrary(kLibraryName));
        choice.made = true;
    }
    return choice.exports;
}

void release(void* innerBuffer) {
    if (!innerBuffer) return;
    if (const Exports* converter = exports()) converter->t5Free(innerBuffer);
}

void useLibraryForTesting(const char* path) {
    Choice& choice = current();
    choice.exports = path ? load(OutsideLibrary(path)) : nullptr;
    choice.made = true;
}

} // namespace varnel::ferrowin
