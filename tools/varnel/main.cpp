// varnel: the trace library's reading, analysis and writing from the command
// line, for scripts and servers.
#include "commands.h"

#include <varnel/varnel.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

namespace {

// Output that did not reach its destination (a full disk, a closed pipe) is
// a failure, reported once at the end.
int checkedExit(int status) {
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return status;
    std::fprintf(stderr, "varnel: standard output: %s\n", std::strerror(errno));
    return status == varnel::cli::kExitOK ? varnel::cli::kExitFileFailed : status;
}

} // namespace

int main(int argc, char** argv) {
    using namespace varnel::cli;
    // A closed pipe shows as a write error instead of ending the process.
    std::signal(SIGPIPE, SIG_IGN);
    // So does a file-size limit: the write fails (EFBIG) and is reported.
    std::signal(SIGXFSZ, SIG_IGN);
    CLI::App app{"varnel: OTDR trace files from the command line"};
    app.require_subcommand(1);
    CommandContext context;
    addInfoCommand(app, context);
    addAnalyzeCommand(app, context);
    addConvertCommand(app, context);
    addExportCommand(app, context);
    addSimulateCommand(app, context);
    addBatchCommand(app, context);
    addListCommand(app, context);
    addTemplateCommand(app, context);
    addBidirCommand(app, context);
    addReportCommand(app, context);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        int status = app.exit(e);
        return checkedExit(status == 0 ? kExitOK : kExitUsage);
    }
    return checkedExit(context.exitStatus);
}
