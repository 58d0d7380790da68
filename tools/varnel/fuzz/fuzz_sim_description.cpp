// Reads arbitrary bytes as a simulated-trace description with its includes
// and, when it is accepted and small enough to be quick, simulates it and
// applies its header. The bytes hold several files split at zero bytes (JSON
// text has none): the first is "0.json", the next "1.json" and so on, so a
// description can include the others, itself, or files that are not there.
#include "sim_description.h"

#include <string>
#include <vector>

namespace {

constexpr int32_t kLargestSimulatedPoints = 16384;

std::vector<std::string> splitFiles(const uint8_t* data, size_t size) {
    std::vector<std::string> files(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            files.emplace_back();
        else
            files.back().push_back(static_cast<char>(data[i]));
    }
    return files;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<std::string> files = splitFiles(data, size);
    const auto read = [&files](const std::string& path) {
        for (size_t k = 0; k < files.size(); ++k)
            if (path == std::to_string(k) + ".json") return files[k];
        throw varnel::cli::DescriptionError("File open error");
    };
    try {
        const nlohmann::ordered_json description = varnel::cli::loadDescription("0.json", read);
        const varnel::sim::FibreDescription fibre = varnel::cli::fibreFromJson(description);
        if (fibre.pointCount > kLargestSimulatedPoints) return 0;
        CT6 record;
        const varnel::sim::SimulatedFibre truth = varnel::sim::simulateFibre(fibre, record);
        varnel::cli::applyHeader(description, fibre, record);
        (void)varnel::cli::truthToJson(truth).dump();
    } catch (const varnel::cli::DescriptionError&) {
    } catch (const nlohmann::ordered_json::exception&) {
    }
    return 0;
}
