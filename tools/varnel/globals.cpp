#include "commands.h"

#include <varnel/varnel.h>

#include <array>
#include <map>

namespace varnel::cli {

namespace {

// Index of each distance unit in the library's unit table.
const std::map<std::string, int32_t> kUnits = {{"mi", T6_UNIT_MI},
                                               {"ft", T6_UNIT_FT},
                                               {"kft", T6_UNIT_KFT},
                                               {"m", T6_UNIT_M},
                                               {"km", T6_UNIT_KM}};

} // namespace

void Globals::apply() const {
    T6SetCurDistUnits(kUnits.at(units));
}

void addGlobalOptions(CLI::App& command, Globals& globals) {
    command.add_flag("--json", globals.json, "Print JSON for scripts instead of text");
    command.add_option("--units", globals.units, "Distance unit of the texts")
        ->capture_default_str()
        ->check(CLI::IsMember({"km", "m", "mi", "ft", "kft"}));
}

} // namespace varnel::cli
