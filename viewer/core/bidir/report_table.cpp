#include "core/bidir/report_table.h"

#include "core/platform/file_access.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace orvane::bidir {

const std::array<ReportKindInfo, 8> kReportKinds = {{
    {ReportKind::Trace, "Trace", "Analysis Results -- "},
    {ReportKind::TraceSummary, "Trace Summary", "Trace Summary Report"},
    {ReportKind::Exception, "Exception", "Exception Report"},
    {ReportKind::BiDirSummary, "Bi-Dir Splice Loss Summary", "Bi-Dir Splice Loss Summary Report"},
    {ReportKind::OneDirSummary, "1-Dir Splice Loss Summary", "1-Dir Splice Loss Summary Report"},
    {ReportKind::FiberAcceptance, "Fiber Acceptance", "Fiber Acceptance Report"},
    {ReportKind::BiDirectional, "Bi-Dir Splice Loss", "Bi-Directional Report"},
    {ReportKind::SmartTemplate, "Smart Splice Template", "Smart Splice Template Report"},
}};

namespace {

const std::vector<std::string> kTraceSummaryHeadings = {
    "//Wave-//Pulse////////",
    "//length/Range/Width/Reso/#////Optics/Fiber/",
    "/Trace            /(nm)/?/(nsec)/?/Avgs/Date/Time/Instrument/Module/Type/",
    "//////Horizontal/Vertical/Back/",
    "//End/End-End/ORL//Shift/Shift/Scatter/Trace/",
    "/Trace            /?/Loss(dB)/(dB)/IOR/?/(dB)/Coeff(dB)/Flags/Type/"};

const std::vector<std::string> kSpliceLossHeadings = {
    "/Event/Event/Loc/Splice/Span Loss/Reflect/Event/Loc/Splice/Span Loss/Reflect/Splice/",
    "|#|Type||Loss(dB)|(dB/km)|(dB)|Type||Loss(dB)|(dB/km)|(dB)|Loss(dB)|"};

const std::vector<std::string> kFiberAcceptanceHeadings = {
    "|||End-to-End|||Avg|Avg||Non-Connector Event Average|||",
    "|    Fiber|Loss|Loss|Loss|Loss|Length|Loss|Loss|Loss|Loss|ORL|ORL",
    "|    Number|Avg|A->B|B->A|Abs Diff|?|dB/km|A->B|B->A|Bi Avg|A->B|B->A"};

const std::vector<std::string> kExceptionHeadings = {"/Trace/Exception/Information"};

const std::vector<std::string> kSmartTemplateHeadings = {
    "|||||Cable Event                 ||||||",
    "|Event|Loss|Event|Location|Width|||Location|Width|Loss|",
    "|Number|Mode|Type|||Frequency|Trace||||", "|End|Location|"};

const std::vector<std::string> kNoHeadings;

std::string normalised(std::string_view text) {
    std::string out;
    for (char c : text)
        out += c == '-' ? ' ' : static_cast<char>(std::tolower(c));
    return out;
}

} // namespace

const ReportKindInfo& reportKindInfo(ReportKind kind) {
    return kReportKinds[static_cast<std::size_t>(kind)];
}

std::optional<ReportKind> reportKindFromChoice(std::string_view choice) {
    for (const ReportKindInfo& info : kReportKinds)
        if (normalised(info.choice) == normalised(choice)) return info.kind;
    return std::nullopt;
}

std::vector<ReportField> splitRow(std::string_view row, std::size_t columns) {
    std::vector<ReportField> fields(columns);
    if (row.empty()) return fields;
    const char separator = row.front();
    std::size_t column = 0;
    std::size_t start = 1;
    while (column < columns && start <= row.size()) {
        std::size_t end = row.find(separator, start);
        if (end == std::string_view::npos) end = row.size();
        std::string_view text = row.substr(start, end - start);
        if (!text.empty() && text.front() == kEmphasisMarker) {
            fields[column].emphasis = true;
            text.remove_prefix(1);
        }
        fields[column].text = std::string(text);
        ++column;
        if (end == row.size()) break;
        start = end + 1;
    }
    return fields;
}

const std::vector<std::string>& reportHeadings(ReportKind kind) {
    switch (kind) {
    case ReportKind::TraceSummary:
        return kTraceSummaryHeadings;
    case ReportKind::Exception:
        return kExceptionHeadings;
    case ReportKind::BiDirSummary:
    case ReportKind::OneDirSummary:
    case ReportKind::BiDirectional:
        return kSpliceLossHeadings;
    case ReportKind::FiberAcceptance:
        return kFiberAcceptanceHeadings;
    case ReportKind::SmartTemplate:
        return kSmartTemplateHeadings;
    case ReportKind::Trace:
        break;
    }
    return kNoHeadings;
}

std::string reportText(const Report& report) {
    std::string text = report.title + "\r\n\r\n";
    for (const std::string& line : report.lines) {
        // Every field of the row, however many the separator makes.
        const std::size_t columns =
            line.empty() ? 0
                         : static_cast<std::size_t>(
                               std::count(line.begin() + 1, line.end(), line.front()) + 1);
        const std::vector<ReportField> fields = splitRow(line, columns);
        for (std::size_t k = 0; k < fields.size(); ++k)
            text += (k ? "\t" : "") + fields[k].text;
        text += "\r\n";
    }
    return text + kTheEndText + "\r\n";
}

bool exportReport(const Report& report, const std::string& path) {
    // Replaced whole, so a failed write leaves the old file as it was.
    const std::string text = reportText(report);
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    return replaceFileContents(path, {bytes, text.size()}) == T6_FILE_OK;
}

} // namespace orvane::bidir
