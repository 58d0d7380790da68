#include "cli_runner.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace varnel::cli::test {

namespace {

std::string shellQuoted(const std::string& word) {
    std::string out = "'";
    for (char c : word)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

} // namespace

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

Scratch::Scratch() {
    std::string pattern = (std::filesystem::temp_directory_path() / "varnel-cli-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("no scratch folder");
    m_dir = pattern;
}

Scratch::~Scratch() {
    std::error_code ignored;
    std::filesystem::permissions(m_dir, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(m_dir, ignored);
}

void Scratch::write(const std::string& name, const std::string& bytes) const {
    std::ofstream(path(name), std::ios::binary) << bytes;
}

std::string Scratch::read(const std::string& name) const {
    return readFile(path(name));
}

Outcome Scratch::varnel(const std::vector<std::string>& arguments, const std::string& setup) const {
    std::string command =
        "cd " + shellQuoted(m_dir) + " && " + setup + " " + shellQuoted(VARNEL_CLI);
    for (const std::string& a : arguments)
        command += " " + shellQuoted(a);
    command += " >" + shellQuoted(path(".out")) + " 2>" + shellQuoted(path(".err")) + " </dev/null";
    Outcome run;
    int status = std::system(command.c_str());
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    run.out = read(".out");
    run.err = read(".err");
    std::filesystem::remove(path(".out"));
    std::filesystem::remove(path(".err"));
    return run;
}

std::string Scratch::simulate(const std::string& name, const std::string& extraKeys) const {
    std::string description = R"({"resolutionM": 2.0, "pointCount": 16384, "pulseNS": 100,
        "noiseSpread": 0.3, "seed": 11,
        "sections": [{"lengthKM": 20.0, "attenDBKM": 0.33}],
        "events": [{"positionKM": 5.0, "lossDB": 0.4},
                   {"positionKM": 12.0, "lossDB": 0.5, "reflectanceDB": -45.0}],
        "header": {"model": "SIM-1", "fiberNumber": "001", "siteA": "AAA", "siteB": "BBB",
                   "dateTime": "2024-05-14 09:30:00", "averages": 4096})";
    if (!extraKeys.empty()) description += ", " + extraKeys;
    write(name + ".json", description + "}");
    Outcome run = varnel({"simulate", name + ".json", "-o", name});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return path(name);
}

} // namespace varnel::cli::test
