#include "formats/ferrowin.h"

#include <dlfcn.h>

#include <list>
#include <string>

namespace varnel::ferrowin {
namespace {

constexpr const char* kLibraryName = "libFerrowin.so";

std::string folderOfThisLibrary() {
    Dl_info info{};
    if (!dladdr(reinterpret_cast<void*>(&exports), &info) || !info.dli_fname) return {};
    std::string path = info.dli_fname;
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

void* openDefaultLibrary() {
    std::string beside = folderOfThisLibrary() + kLibraryName;
    if (void* handle = dlopen(beside.c_str(), RTLD_NOW | RTLD_LOCAL)) return handle;
    return dlopen(kLibraryName, RTLD_NOW | RTLD_LOCAL);
}

template <typename T> bool resolve(void* handle, const char* name, T& target) {
    target = reinterpret_cast<T>(dlsym(handle, name));
    return target != nullptr;
}

// Every table handed out stays valid for the life of the process, so that
// switching converters in tests never changes a table someone still holds.
std::list<Exports>& loadedTables() {
    static std::list<Exports> tables;
    return tables;
}

const Exports* load(void* handle) {
    if (!handle) return nullptr;
    Exports loaded;
    void* names = dlsym(handle, "T5PRODUCT_NAMES");
    loaded.productNames = static_cast<const char16_t* const*>(names);
    bool complete = resolve(handle, "DecompTraceToT5", loaded.decompTraceToT5) &&
                    resolve(handle, "T5ToCompTrace", loaded.t5ToCompTrace) &&
                    resolve(handle, "T5Free", loaded.t5Free) &&
                    resolve(handle, "T5Malloc", loaded.t5Malloc) && names;
    if (!complete) {
        dlclose(handle);
        return nullptr;
    }
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
        choice.exports = load(openDefaultLibrary());
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
    choice.exports = path ? load(dlopen(path, RTLD_NOW | RTLD_LOCAL)) : nullptr;
    choice.made = true;
}

} // namespace varnel::ferrowin
