// Outside libraries loaded by name at run time when they are present (the
// legacy converter Ferrowin, the instrument's Calveth, the power-meter
// library Pomarel). A missing library or export is an answer, not an error:
// callers say so and go on.
#pragma once

#include <varnel/api.h>

#include <string_view>

namespace varnel {

class VARNEL_API OutsideLibrary {
public:
    // "Name" loads "libName.so" from beside the varnel library, then from the
    // loader's path; a name holding '/' is taken as the file's path.
    explicit OutsideLibrary(std::string_view name);
    ~OutsideLibrary();
    OutsideLibrary(OutsideLibrary&& other) noexcept;
    OutsideLibrary& operator=(OutsideLibrary&& other) noexcept;
    OutsideLibrary(const OutsideLibrary&) = delete;
    OutsideLibrary& operator=(const OutsideLibrary&) = delete;

    bool loaded() const { return handle_ != nullptr; }
    // The export's address; null when it or the library is missing.
    void* symbol(const char* name) const;
    template <typename T> bool resolve(const char* name, T& target) const {
        target = reinterpret_cast<T>(symbol(name));
        return target != nullptr;
    }
    // Leaves the library loaded for the life of the process and forgets it:
    // its exports stay valid after this object is gone (for allocations that
    // may outlive it).
    void detach() { handle_ = nullptr; }

private:
    void* handle_ = nullptr;
};

} // namespace varnel
