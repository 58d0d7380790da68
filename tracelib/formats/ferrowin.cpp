#include "formats/ferrowin.h"

#include <dlfcn.h>

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

void* openLibrary() {
    std::string beside = folderOfThisLibrary() + kLibraryName;
    if (void* handle = dlopen(beside.c_str(), RTLD_NOW | RTLD_LOCAL)) return handle;
    return dlopen(kLibraryName, RTLD_NOW | RTLD_LOCAL);
}

template <typename T> bool resolve(void* handle, const char* name, T& target) {
    target = reinterpret_cast<T>(dlsym(handle, name));
    return target != nullptr;
}

const Exports* load() {
    static Exports loaded;
    void* handle = openLibrary();
    if (!handle) return nullptr;
    void* names = dlsym(handle, "T5PRODUCT_NAMES");
    loaded.productNames = static_cast<const char16_t* const*>(names);
    bool complete = resolve(handle, "DecompTraceToT5", loaded.decompTraceToT5) &&
                    resolve(handle, "T5ToCompTrace", loaded.t5ToCompTrace) &&
                    resolve(handle, "T5Free", loaded.t5Free) &&
                    resolve(handle, "T5Malloc", loaded.t5Malloc) && names;
    if (complete) return &loaded;
    dlclose(handle);
    return nullptr;
}

} // namespace

const Exports* exports() {
    static const Exports* loaded = load();
    return loaded;
}

void release(void* innerBuffer) {
    if (const Exports* converter = exports()) converter->t5Free(innerBuffer);
}

} // namespace varnel::ferrowin
