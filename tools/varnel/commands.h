// The subcommands of varnel. Each registers itself on the application; its
// callback leaves the process exit status in the shared result.
#pragma once

#include <CLI/CLI.hpp>

#include <string>
#include <vector>

namespace varnel::cli {

// Exit statuses.
inline constexpr int kExitOK = 0;
inline constexpr int kExitFileFailed = 1; // at least one file could not be processed
inline constexpr int kExitUsage = 2;

// Options every subcommand takes.
struct Globals {
    bool json = false;
    std::string units = "km";

    // Distance unit of every text the library formats.
    void apply() const;
};

struct CommandContext {
    Globals globals;
    int exitStatus = kExitOK;
};

void addInfoCommand(CLI::App& app, CommandContext& context);
void addAnalyzeCommand(CLI::App& app, CommandContext& context);
void addConvertCommand(CLI::App& app, CommandContext& context);
void addExportCommand(CLI::App& app, CommandContext& context);
void addSimulateCommand(CLI::App& app, CommandContext& context);
void addBatchCommand(CLI::App& app, CommandContext& context);
void addListCommand(CLI::App& app, CommandContext& context);
void addTemplateCommand(CLI::App& app, CommandContext& context);
void addBidirCommand(CLI::App& app, CommandContext& context);
void addReportCommand(CLI::App& app, CommandContext& context);

// Adds --json and --units to a subcommand.
void addGlobalOptions(CLI::App& command, Globals& globals);

} // namespace varnel::cli
