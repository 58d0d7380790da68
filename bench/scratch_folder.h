// A scratch folder for one benchmark process, named after its prefix and the
// process id, made on first use and removed when the process exits.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace bench {

namespace detail {

// Never destroyed, so that the exit handler can still read it.
inline std::string& scratchName() {
    static auto* name = new std::string;
    return *name;
}

inline void removeScratch() {
    std::error_code ignored;
    std::filesystem::remove_all(scratchName(), ignored);
}

} // namespace detail

// Made empty; the caller fills it. One folder a process.
inline std::filesystem::path makeScratchFolder(const std::string& prefix) {
    std::filesystem::path dir =
        std::filesystem::temp_directory_path() / (prefix + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    detail::scratchName() = dir.string();
    std::atexit(detail::removeScratch);
    return dir;
}

} // namespace bench
