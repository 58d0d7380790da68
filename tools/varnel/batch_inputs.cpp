#include "batch_inputs.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace varnel::cli {

namespace {

namespace fs = std::filesystem;

bool isTraceCandidate(const fs::path& path) {
    std::string name = path.filename().string();
    if (name.empty() || name[0] == '.') return false;
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension != ".json" && extension != ".txt" && extension != ".csv" && extension != ".md";
}

bool isHidden(const fs::path& path) {
    const std::string name = path.filename().string();
    return !name.empty() && name[0] == '.';
}

// Adds the traces of one folder (and, when recursive, of its subfolders) to
// found; everything else in it is named in a warning.
void listFolder(const fs::path& folder, bool recursive, std::vector<std::string>& found,
                Diagnostics& diagnostics, std::error_code& error) {
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        std::error_code entryError;
        const fs::path& path = entry.path();
        if (isHidden(path)) continue;
        if (entry.is_symlink(entryError) && !fs::exists(path, entryError)) {
            diagnostics.warning(path.string(), "Dangling link skipped.");
        } else if (entry.is_directory(entryError)) {
            if (recursive && !entry.is_symlink(entryError)) {
                std::error_code inner;
                listFolder(path, recursive, found, diagnostics, inner);
                if (inner) diagnostics.error(path.string(), "File open error");
            } else {
                diagnostics.warning(path.string(), recursive ? "Linked folder skipped."
                                                             : "Folder skipped (see --recursive).");
            }
        } else if (!entry.is_regular_file(entryError)) {
            diagnostics.warning(path.string(), "Not a regular file; skipped.");
        } else if (isTraceCandidate(path)) {
            found.push_back(path.string());
        }
    }
}

} // namespace

std::vector<std::string> batchInputs(const std::vector<std::string>& arguments, bool recursive,
                                     Diagnostics& diagnostics) {
    std::vector<std::string> inputs;
    for (const std::string& argument : arguments) {
        std::error_code error;
        if (!fs::is_directory(argument, error)) {
            inputs.push_back(argument);
            continue;
        }
        std::vector<std::string> found;
        listFolder(argument, recursive, found, diagnostics, error);
        if (error)
            diagnostics.error(argument, "File open error");
        else if (found.empty())
            diagnostics.error(argument, "No trace files in this folder.");
        std::sort(found.begin(), found.end());
        inputs.insert(inputs.end(), found.begin(), found.end());
    }
    return inputs;
}

} // namespace varnel::cli
