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

} // namespace

std::vector<std::string> batchInputs(const std::vector<std::string>& arguments,
                                     Diagnostics& diagnostics) {
    std::vector<std::string> inputs;
    for (const std::string& argument : arguments) {
        std::error_code error;
        if (!fs::is_directory(argument, error)) {
            inputs.push_back(argument);
            continue;
        }
        std::vector<std::string> found;
        for (const fs::directory_entry& entry : fs::directory_iterator(argument, error))
            if (entry.is_regular_file(error) && isTraceCandidate(entry.path()))
                found.push_back(entry.path().string());
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
