// orvane: the desktop viewer of OTDR traces.
//   orvane [FILE...]                 opens the traces into a new trace list, or a .TRL
//   orvane --screenshot OUT.png [--size WxH] FILE...
//                                    renders the window, writes the PNG, exits
//   orvane --print-pdf OUT.pdf [--kind view|batch|frame|bidir|report:KIND] FILE...|LIST.TRL
//                                    prints the traces into a PDF, exits
#include "widgets/platform/ini_settings_store.h"
#include "widgets/printing/print_request.h"
#include "widgets/shell/main_frame.h"
#include "widgets/shell/orvane_app.h"
#include "widgets/shell/splash.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPixmap>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr char kVersion[] = "0.1.0";
constexpr QSize kScreenshotSize(1280, 800);

// A screenshot or a PDF needs no screen.
bool runsWithoutWindow(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--screenshot") == 0 || std::strcmp(argv[i], "--print-pdf") == 0)
            return true;
    return false;
}

// The file arguments as the system gave them, byte for byte: Qt's argument
// strings would lose names that are not UTF-8.
std::vector<std::string> fileArguments(int argc, char** argv) {
    static const char* const takesValue[] = {"--screenshot", "--size", "--print-pdf", "--kind"};
    std::vector<std::string> files;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (optionsEnded || arg[0] != '-' || std::strcmp(arg, "-") == 0) {
            files.emplace_back(arg);
        } else if (std::strcmp(arg, "--") == 0) {
            optionsEnded = true;
        } else if (std::strchr(arg, '=') == nullptr &&
                   std::any_of(std::begin(takesValue), std::end(takesValue),
                               [arg](const char* name) { return std::strcmp(arg, name) == 0; })) {
            ++i;
        }
    }
    return files;
}

QSize parseSize(const QString& text) {
    const QStringList parts = text.split('x');
    if (parts.size() != 2) return {};
    bool okWidth = false, okHeight = false;
    const QSize size(parts[0].toInt(&okWidth), parts[1].toInt(&okHeight));
    return okWidth && okHeight && size.width() > 0 && size.height() > 0 ? size : QSize();
}

int takeScreenshot(orvane::CMainFrame& frame, const QString& out, QSize size) {
    frame.resize(size);
    frame.show();
    if (QMdiSubWindow* window = frame.mdiArea()->activeSubWindow()) window->showMaximized();
    QApplication::processEvents();
    if (!frame.grab().save(out, "PNG")) {
        std::fprintf(stderr, "orvane: %s: cannot write the screenshot\n", qPrintable(out));
        return 1;
    }
    std::printf("%s\n", qPrintable(out));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    // A file-size limit fails the write in hand (EFBIG), which is reported,
    // instead of ending the program with unsaved work.
    std::signal(SIGXFSZ, SIG_IGN);
    // Without a display these render offscreen.
    if (runsWithoutWindow(argc, argv) && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationName("Orvane");
    QApplication::setApplicationVersion(kVersion);

    QCommandLineParser parser;
    parser.setApplicationDescription("Orvane: the desktop viewer of OTDR traces");
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption screenshot("screenshot", "Render the window into OUT.png and exit.",
                                  "OUT.png");
    QCommandLineOption size("size", "Window size of the screenshot (default 1280x800).", "WxH");
    QCommandLineOption printPdf("print-pdf", "Print the traces into OUT.pdf and exit.", "OUT.pdf");
    QCommandLineOption kind("kind",
                            "What --print-pdf prints: view (default), batch, frame, bidir "
                            "or report:KIND.",
                            "KIND", "view");
    parser.addOption(screenshot);
    parser.addOption(size);
    parser.addOption(printPdf);
    parser.addOption(kind);
    parser.addPositionalArgument("files", "Trace files to open.", "[FILE...]");
    parser.process(application);

    QSize shotSize = kScreenshotSize;
    if (parser.isSet(size) && !(shotSize = parseSize(parser.value(size))).isValid()) {
        std::fprintf(stderr, "orvane: --size takes WIDTHxHEIGHT, as 1280x800\n");
        return 2;
    }

    orvane::COrvaneApp app(std::make_unique<orvane::IniSettingsStore>());
    const bool headless = parser.isSet(screenshot) || parser.isSet(printPdf);
    app.InitInstance(QCoreApplication::applicationDirPath(), !headless);
    const std::vector<std::string> files = fileArguments(argc, argv);
    const bool allOpened = files.empty() || app.OpenPaths(files);

    if (parser.isSet(screenshot)) {
        const int status = takeScreenshot(*app.mainFrame(), parser.value(screenshot), shotSize);
        return status != 0 ? status : (allOpened ? 0 : 1);
    }

    if (parser.isSet(printPdf)) {
        const int status = orvane::printing::PrintPdfCommand(
            *app.mainFrame(), parser.value(printPdf), parser.value(kind));
        return status != 0 ? status : (allOpened ? 0 : 1);
    }

    app.catchTerminationSignals();
    // A plain start shows the splash while the window comes up.
    std::unique_ptr<orvane::Splash> splash;
    if (files.empty()) splash = std::make_unique<orvane::Splash>(kVersion);
    if (app.mainFrame()->wantsMaximized())
        app.mainFrame()->showMaximized();
    else
        app.mainFrame()->show();
    return QApplication::exec();
}
