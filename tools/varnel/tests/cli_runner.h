// Runs the varnel binary in a scratch folder and captures what it prints.
#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace varnel::cli::test {

struct Outcome {
    int exitCode = -1;
    std::string out;
    std::string err;

    nlohmann::ordered_json json() const { return nlohmann::ordered_json::parse(out); }
};

// A folder of its own for one test, removed with it.
class Scratch {
public:
    Scratch();
    ~Scratch();
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;

    std::string path(const std::string& name) const { return m_dir + "/" + name; }
    const std::string& dir() const { return m_dir; }

    void write(const std::string& name, const std::string& bytes) const;
    std::string read(const std::string& name) const;

    // Runs varnel with the arguments (each passed as one word), after the
    // shell words of setup ("ulimit -f 4;", "timeout 10").
    Outcome varnel(const std::vector<std::string>& arguments, const std::string& setup = {}) const;

    // A simulated trace: a 20 km fibre with a splice at 5 km and a
    // reflective connector at 12 km; extra JSON keys are laid over it.
    std::string simulate(const std::string& name, const std::string& extraKeys = "") const;

private:
    std::string m_dir;
};

std::string readFile(const std::string& path);
std::vector<std::string> lines(const std::string& text);

} // namespace varnel::cli::test
