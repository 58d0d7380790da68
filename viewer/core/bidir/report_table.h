// The table every report is made of: each row one text whose first
// character separates the fields that follow, laid over the report's
// columns; a field that starts with the emphasis marker is drawn in the
// emphasis font. Also the report kinds, their titles and headings, and the
// text-file export.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::bidir {

inline constexpr char kEmphasisMarker = '\x07';

enum class ReportKind : int32_t {
    Trace,
    TraceSummary,
    Exception,
    BiDirSummary,
    OneDirSummary,
    FiberAcceptance,
    BiDirectional,
    SmartTemplate,
};

struct ReportKindInfo {
    ReportKind kind;
    const char* choice; // the text the report is chosen by
    const char* title;
};
extern const std::array<ReportKindInfo, 8> kReportKinds;

const ReportKindInfo& reportKindInfo(ReportKind kind);
// The kind chosen by its text (any case, '-' and ' ' alike), or nothing.
std::optional<ReportKind> reportKindFromChoice(std::string_view choice);

enum class Alignment { Left, Right, Centre };

struct ReportColumn {
    double widthPercent = 0.0;
    Alignment alignment = Alignment::Left;
    double offsetPercent = 0.0;
};

struct ReportField {
    std::string text;
    bool emphasis = false;
};

// The row's fields over the given number of columns: missing ones blank,
// extra ones dropped.
std::vector<ReportField> splitRow(std::string_view row, std::size_t columns);

// The heading rows of a kind (the "Trace" kind has none of its own).
const std::vector<std::string>& reportHeadings(ReportKind kind);

// Report texts.
inline constexpr char kPageText[] = "Page  ";
inline constexpr char kTheEndText[] = "THE END";
inline constexpr char kNoTraceText[] = "No Trace to process.";
inline constexpr char kNoEventsReportText[] = "No Events.";
inline constexpr char kNoSecondTraceText[] = "No 2nd Trace specified for the report.";
inline constexpr char kFileOpenErrorText[] = "File open error \n";
inline constexpr char kFileWriteErrorText[] = "File write error.";

struct Report {
    ReportKind kind = ReportKind::TraceSummary;
    std::string title;
    std::vector<std::string> lines; // heading and data rows, in order
};

// The report as text: the title, then each row's fields separated by tabs
// (the emphasis marker dropped), then "THE END"; lines end with "\r\n".
std::string reportText(const Report& report);

// Writes the text; false (the old file left alone) when it cannot be written.
bool exportReport(const Report& report, const std::string& path);

} // namespace orvane::bidir
