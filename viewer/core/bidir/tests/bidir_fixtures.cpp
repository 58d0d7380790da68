#include "bidir_fixtures.h"

#include <string>

namespace orvane::bidir::test {

varnel::sim::FibreDescription fibreOf(const CableDescription& cable, int32_t fibre) {
    varnel::sim::FibreDescription d = varnel::sim::plainFibre(
        cable.lengthKM + fibre * cable.lengthStepKM, 0.33, cable.pointCount, cable.resolutionM);
    d.noiseSpread = cable.noiseSpread;
    d.seed = static_cast<uint32_t>(1000 + fibre);
    for (const CableSplice& s : cable.splices)
        d.events.push_back({s.positionKM, s.lossDB, s.reflectanceDB});
    return d;
}

std::unique_ptr<CT6> tracedFibre(const CableDescription& cable, int32_t fibre) {
    auto record = std::make_unique<CT6>();
    varnel::sim::simulateFibre(fibreOf(cable, fibre), *record);
    const std::u16string name = u"FIBRE." + std::u16string(1, char16_t(u'0' + fibre % 10));
    record->SetFilespec(name.c_str());
    return record;
}

std::vector<std::unique_ptr<CT6>> buildCable(const CableDescription& cable) {
    T6SetFASParms(0.02, -60.0, 3.0, 2, 0, -40.0);
    std::vector<std::unique_ptr<CT6>> records;
    for (int32_t f = 0; f < cable.fibres; ++f) {
        records.push_back(tracedFibre(cable, f));
        records.back()->FAS();
    }
    return records;
}

RecordSequence sequenceOf(const std::vector<std::unique_ptr<CT6>>& records) {
    RecordSequence sequence;
    for (const auto& r : records)
        sequence.add(r.get(), recordName(*r));
    return sequence;
}

} // namespace orvane::bidir::test
