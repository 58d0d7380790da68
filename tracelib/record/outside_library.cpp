// Loading outside libraries by name, beside this library or on the loader's path.
#include <varnel/outside_library.h>

#include <dlfcn.h>

#include <string>
#include <utility>

namespace varnel {
namespace {

std::string folderOfThisLibrary() {
    Dl_info info{};
    if (!dladdr(reinterpret_cast<void*>(&folderOfThisLibrary), &info) || !info.dli_fname) return {};
    std::string path = info.dli_fname;
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

void* open(std::string_view name) {
    constexpr int kMode = RTLD_NOW | RTLD_LOCAL;
    if (name.empty()) return nullptr;
    if (name.find('/') != std::string_view::npos) return dlopen(std::string(name).c_str(), kMode);
    std::string file = "lib" + std::string(name) + ".so";
    if (void* handle = dlopen((folderOfThisLibrary() + file).c_str(), kMode)) return handle;
    return dlopen(file.c_str(), kMode);
}

} // namespace

OutsideLibrary::OutsideLibrary(std::string_view name) : handle_(open(name)) {}

OutsideLibrary::~OutsideLibrary() {
    if (handle_) dlclose(handle_);
}

OutsideLibrary::OutsideLibrary(OutsideLibrary&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)) {}

OutsideLibrary& OutsideLibrary::operator=(OutsideLibrary&& other) noexcept {
    if (this != &other) {
        if (handle_) dlclose(handle_);
        handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
}

void* OutsideLibrary::symbol(const char* name) const {
    return handle_ && name ? dlsym(handle_, name) : nullptr;
}

} // namespace varnel
