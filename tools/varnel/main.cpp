// varnel: the trace library's reading, analysis and writing from the command
// line, for scripts and servers.
#include "commands.h"

#include <varnel/varnel.h>

int main(int argc, char** argv) {
    using namespace varnel::cli;
    CLI::App app{"varnel: OTDR trace files from the command line"};
    app.require_subcommand(1);
    CommandContext context;
    addInfoCommand(app, context);
    addAnalyzeCommand(app, context);
    addConvertCommand(app, context);
    addExportCommand(app, context);
    addSimulateCommand(app, context);
    addBatchCommand(app, context);
    addTemplateCommand(app, context);
    addBidirCommand(app, context);
    addReportCommand(app, context);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        int status = app.exit(e);
        return status == 0 ? kExitOK : kExitUsage;
    }
    return context.exitStatus;
}
