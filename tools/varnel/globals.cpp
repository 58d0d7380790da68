#include "commands.h"

#include <varnel/varnel.h>

#include <array>
#include <map>

namespace varnel::cli {

namespace {

// Index of each distance unit in the library's unit table.
const std::map<std::string, int32_t> kUnits = {
    {"mi", 0}, {"ft", 1}, {"kft", 2}, {"m", 3}, {"km", 4}};

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
