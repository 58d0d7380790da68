// Reads arbitrary bytes as a simulated-trace description and, when it is
// accepted and small enough to be quick, simulates it and applies its header.
#include "sim_description.h"

#include <string>

namespace {

constexpr int32_t kLargestSimulatedPoints = 16384;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const nlohmann::ordered_json description =
        nlohmann::ordered_json::parse(text, nullptr, /*allow_exceptions=*/false);
    if (description.is_discarded()) return 0;
    try {
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
