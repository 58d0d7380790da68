// Reading description files and laying each over the one it includes.
// Descriptions come from anywhere: every read is checked, a file must be a
// regular file of modest size, and values may nest only so deep, because the
// merge of an include recurses through them.
#include "sim_description.h"

#include <sys/stat.h>

#include <cstdio>
#include <memory>

namespace varnel::cli {

namespace {

constexpr int kMaxIncludeDepth = 8;
constexpr int kMaxNesting = 64;
constexpr long kMaxDescriptionBytes = 4L * 1024 * 1024;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

std::string folderOf(const std::string& path) {
    size_t cut = path.find_last_of('/');
    return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

nlohmann::ordered_json loadWithIncludes(const std::string& path, const DescriptionReader& read,
                                        int depth) {
    if (depth > kMaxIncludeDepth) throw DescriptionError("Includes nest too deeply");
    nlohmann::ordered_json description;
    try {
        description = parseDescription(read(path));
    } catch (const DescriptionError& e) {
        // The top file is named by the caller; an include names itself.
        if (depth == 0) throw;
        throw DescriptionError(path + ": " + e.what());
    }
    if (!description.contains("include")) return description;
    if (!description["include"].is_string())
        throw DescriptionError("\"include\" names a description file");
    std::string included = description["include"].get<std::string>();
    if (included.empty()) throw DescriptionError("\"include\" names a description file");
    if (included[0] != '/') included = folderOf(path) + included;
    nlohmann::ordered_json base = loadWithIncludes(included, read, depth + 1);
    description.erase("include");
    base.merge_patch(description);
    return base;
}

} // namespace

std::string readDescriptionFile(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) throw DescriptionError("File open error");
    if (!S_ISREG(info.st_mode)) throw DescriptionError("File open error: not a regular file");
    if (info.st_size > kMaxDescriptionBytes)
        throw DescriptionError("A description is at most 4 MB");
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) throw DescriptionError("File open error");
    std::string text;
    char chunk[65536];
    while (size_t got = std::fread(chunk, 1, sizeof chunk, file.get())) {
        text.append(chunk, got);
        if (text.size() > static_cast<size_t>(kMaxDescriptionBytes))
            throw DescriptionError("A description is at most 4 MB");
    }
    if (std::ferror(file.get())) throw DescriptionError("File read error.");
    return text;
}

nlohmann::ordered_json parseDescription(const std::string& text) {
    const auto shallow = [](int depth, nlohmann::ordered_json::parse_event_t,
                            nlohmann::ordered_json&) {
        if (depth > kMaxNesting) throw DescriptionError("Values nest too deeply");
        return true;
    };
    nlohmann::ordered_json description;
    try {
        description = nlohmann::ordered_json::parse(text, shallow);
    } catch (const nlohmann::ordered_json::parse_error& e) {
        throw DescriptionError(std::string("Invalid JSON: ") + e.what());
    }
    if (!description.is_object()) throw DescriptionError("A description is a JSON object");
    return description;
}

nlohmann::ordered_json loadDescription(const std::string& path, const DescriptionReader& read) {
    return loadWithIncludes(path, read, 0);
}

} // namespace varnel::cli
