#include "trace_view.h"

#include "text.h"

#include "core/trace/trace_doc.h"

#include <varnel/scaled_values.h>

#include <cstdio>

namespace varnel::cli {

namespace {

const char kNotAvailable[] = "N/A";

std::string pulseWidths(const CT6& r) {
    std::string all;
    for (int32_t i = 0; i < r.PWCount(); ++i) {
        if (!all.empty()) all += ", ";
        all += textOf([&](char16_t* b) { return r.PWGetLabel(i, b); }) + " " +
               textOf([&](char16_t* b) { return r.PWGetPW(i, b, 0, T6_WITH_UNITS); }) + " / " +
               textOf([&](char16_t* b) { return r.PWGetPWLength(i, b, T6_WITH_UNITS); });
    }
    return all;
}

std::string resolution(const CT6& r) {
    return textOf([&](char16_t* b) { return r.GetResoNominal(b, T6_WITH_UNITS); });
}

std::string averaging(const CT6& r) {
    return textOf([&](char16_t* b) { return r.GetAvgCompleteType(b); });
}

// A threshold of 0 was not stored with the trace.
std::string thresholdText(double db, char16_t* (CT6::*getter)(char16_t*, int32_t) const,
                          const CT6& r) {
    if (db == 0) return kNotAvailable;
    return textOf([&](char16_t* b) { return (r.*getter)(b, T6_WITH_UNITS); });
}

std::string dateTime(const CT6& r) {
    return textOf([&](char16_t* b) { return r.GetDate(b); }) + " " +
           textOf([&](char16_t* b) { return r.GetTime(b); });
}

} // namespace

std::string distanceUnitLabel() {
    char16_t label[kTextRoom] = {};
    double factor = 0;
    T6GetInfoCurDist(T6GetCurDistUnits(), label, factor);
    return toUtf8(label);
}

std::vector<HeaderField> headerFields(const CT6& r) {
    auto text = [](auto getter) { return textOf(getter); };
    return {
        {"instrument", "Instrument", text([&](char16_t* b) { return r.GetModel(b); })},
        {"manufacturer", "Manufacturer", text([&](char16_t* b) { return r.GetManufacturer(b); })},
        {"module", "Optics Module", text([&](char16_t* b) { return r.GetOpticsModule(b); })},
        {"wavelength", "Wavelength",
         text([&](char16_t* b) { return r.GetWavelengthNominal(b, T6_WITH_UNITS); })},
        {"fiberType", "Fiber Type", text([&](char16_t* b) { return r.GetFiberMode(b); })},
        {"pulseWidths", "Pulse Width", pulseWidths(r)},
        {"range", "Range", text([&](char16_t* b) { return r.GetRangeNominal(b, T6_WITH_UNITS); })},
        {"resolution", "Resolution", resolution(r)},
        {"ior", "Index of Refraction", text([&](char16_t* b) { return r.SpanGetIOR(0, b); })},
        {"backscatter", "Backscatter Coef.",
         text([&](char16_t* b) { return r.SpanGetBackScatter(0, b, T6_WITH_UNITS); })},
        {"averaging", "Averages", averaging(r)},
        {"dynamicRange", "Display Range",
         text([&](char16_t* b) { return r.GetDynamicRange(b, T6_WITH_UNITS); })},
        {"dateTime", "Date/Time", dateTime(r)},
        {"traceType", "Trace Type", text([&](char16_t* b) { return r.GetTraceType(b); })},
        {"traceFlags", "Trace Flags", text([&](char16_t* b) { return r.GetTraceFlags(b); })},
        {"fiberNumber", "Fiber Number", text([&](char16_t* b) { return r.GetFiberNumber(b); })},
        {"cableId", "Cable ID", text([&](char16_t* b) { return r.GetCableID(b); })},
        {"siteA", "Site A", text([&](char16_t* b) { return r.GetSiteA(b); })},
        {"siteB", "Site B", text([&](char16_t* b) { return r.GetSiteB(b); })},
        {"thresholdLoss", "Event Loss",
         thresholdText(r.GetThresholdLoss(), &CT6::GetThresholdLoss, r)},
        {"thresholdRefl", "Event Reflectance",
         thresholdText(r.GetThresholdRefl(), &CT6::GetThresholdRefl, r)},
        {"thresholdBreak", "Fiber Break",
         thresholdText(r.GetThresholdBreak(), &CT6::GetThresholdBreak, r)},
    };
}

std::vector<EventRow> eventRows(const CT6& r) {
    std::vector<EventRow> rows;
    const int32_t count = r.EVCount();
    for (int32_t i = 0; i < count; ++i) {
        EventRow row;
        row.index = i;
        row.type = r.EVGetType(i);
        row.flagBits = r.EVGetFlags(i);
        row.typeChar = textOf([&](char16_t* b) { return r.EVGetTypeChar(i, b); });
        row.typeName = textOf([&](char16_t* b) { return r.EVGetType(i, b); });
        row.start = textOf([&](char16_t* b) { return r.EVGetStart(i, b, T6_NO_UNITS); });
        row.end = textOf([&](char16_t* b) { return r.EVGetEnd(i, b, T6_NO_UNITS); });
        row.spanLoss = textOf([&](char16_t* b) { return r.EVGetSpanLoss(i, b, T6_NO_UNITS); });
        row.spanLossDBKM =
            textOf([&](char16_t* b) { return r.EVGetSpanLossDBKM(i, b, T6_NO_UNITS); });
        if (!orvane::eventLossHidden(r, i)) {
            row.loss = textOf([&](char16_t* b) { return r.EVGetLossFlagged(i, b, T6_NO_UNITS); });
            row.lossDB = r.EVGetLoss(i);
        }
        // The launch's own loss is what its file stated (the front connector).
        if (i == 0) {
            row.lossDB = r.EVGetStoredLoss(0);
            row.loss = row.lossDB == T6_NO_VALUE ? "" : textOf([&](char16_t* b) {
                return T6GetDB2Dec(row.lossDB, b, T6_NO_UNITS);
            });
        }
        row.lossMark = trimmed(orvane::eventLossMark(r, i));
        if (row.type != T6_EVENT_NON_REFLECTIVE) {
            row.refl = textOf([&](char16_t* b) { return r.EVGetReflFlagged(i, b, T6_NO_UNITS); });
            if (r.EVGetRefl(i) != 0) row.reflDB = r.EVGetRefl(i);
        }
        row.cumLoss = textOf([&](char16_t* b) { return r.EVGetCumLoss(i, b, T6_NO_UNITS); });
        row.flags = textOf([&](char16_t* b) { return r.EVGetFlagsText(i, b); });
        row.comment = textOf([&](char16_t* b) { return r.EVGetComment(i, b); });
        row.startKM = r.EVGetStartKM(i);
        row.endKM = r.EVGetEndKM(i);
        rows.push_back(std::move(row));
    }
    return rows;
}

TraceSummary traceSummary(const CT6& r) {
    TraceSummary s;
    s.eventCount = r.EVCount();
    s.storedTotalLossDB = r.GetStoredEndToEndLoss();
    if (s.eventCount > 0) {
        const int32_t last = s.eventCount - 1;
        s.endFault = textOf([&](char16_t* b) { return r.EVGetStart(last, b, T6_WITH_UNITS); });
        s.endKM = r.EVGetStartKM(last);
    } else {
        s.endFault = "??.?? " + distanceUnitLabel();
    }
    s.endToEndLoss = textOf([&](char16_t* b) { return r.GetEndToEndLoss(b, T6_WITH_UNITS); });
    s.endToEndLossDB = r.GetEndToEndLoss();
    s.orl = textOf([&](char16_t* b) { return r.GetORL(b, T6_WITH_UNITS); });
    if (r.IsORLAvailable()) {
        s.orlDB = r.GetORL();
        if (r.GetORLACursorKM() != 0 || r.GetORLBCursorKM() != 0)
            s.orlAToB = textOf([&](char16_t* b) { return r.GetORLCalcAToB(b); });
    }
    return s;
}

namespace {

// Values without a measurement are null in JSON.
nlohmann::ordered_json valueOrNull(double v) {
    return v == T6_NO_VALUE ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(v);
}

} // namespace

namespace {

// A threshold of 0 was not stored with the trace.
nlohmann::ordered_json thresholdOrNull(double db) {
    return db == 0 ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(db);
}

// A value its field could not hold is not available (the text says N/A).
nlohmann::ordered_json scaledOrNull(double value) {
    const bool saturated = T6ScaledIsSaturated(T6ScaledFromKM(value));
    return saturated ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(value);
}

} // namespace

nlohmann::ordered_json traceValues(const CT6& r) {
    nlohmann::ordered_json pulses = nlohmann::ordered_json::array();
    for (int32_t i = 0; i < r.PWCount(); ++i)
        pulses.push_back(r.PWGetNanoSec(i));
    return {
        {"pointCount", r.DPOCount()},
        {"sampleSpacingM", r.SpanGetDxKM(0) * 1000.0},
        {"resolutionM", r.GetResoNominalM()},
        {"rangeKM", scaledOrNull(T6KMFromCurDist(r.GetRangeNominal()))},
        {"lengthKM", r.GetMaxKM()},
        {"horizontalShiftKM", r.GetHorzShiftKM()},
        {"pulseWidthsNS", pulses},
        {"wavelengthNM", r.GetWavelengthNominal()},
        {"actualWavelengthNM", r.GetWavelengthActual()},
        {"ior", r.SpanGetIOR(0)},
        {"backscatterDB", scaledOrNull(r.SpanGetBackScatter(0))},
        {"averages", r.GetAvgComplete()},
        {"averagingSeconds", r.GetAvgSeconds()},
        {"dynamicRangeDB", r.GetDynamicRange()},
        {"lossThresholdDB", thresholdOrNull(r.GetThresholdLoss())},
        {"reflThresholdDB", thresholdOrNull(r.GetThresholdRefl())},
        {"breakThresholdDB", thresholdOrNull(r.GetThresholdBreak())},
    };
}

nlohmann::ordered_json toJson(const std::vector<HeaderField>& header) {
    nlohmann::ordered_json out = nlohmann::ordered_json::object();
    for (const HeaderField& field : header)
        out[field.key] = field.text;
    return out;
}

nlohmann::ordered_json toJson(const EventRow& row) {
    return {
        {"number", row.index},
        {"type", row.type},
        {"typeChar", row.typeChar},
        {"typeName", row.typeName},
        {"start", row.start},
        {"end", row.end},
        {"startKM", row.startKM},
        {"endKM", row.endKM},
        {"spanLoss", row.spanLoss},
        {"spanLossDBKM", row.spanLossDBKM},
        {"loss", row.loss},
        {"lossMark", row.lossMark},
        {"lossDB", valueOrNull(row.lossDB)},
        {"reflectance", row.refl},
        {"reflectanceDB", valueOrNull(row.reflDB)},
        {"cumulativeLoss", row.cumLoss},
        {"flags", row.flags},
        {"flagBits", row.flagBits},
        {"comment", row.comment},
    };
}

nlohmann::ordered_json toJson(const TraceSummary& s) {
    return {
        {"eventCount", s.eventCount},
        {"endFault", s.endFault},
        {"endKM", s.endKM},
        {"endToEndLoss", s.endToEndLoss},
        {"endToEndLossDB", valueOrNull(s.endToEndLossDB)},
        {"storedTotalLossDB", valueOrNull(s.storedTotalLossDB)},
        {"orl", s.orl},
        {"orlAToB", s.orlAToB},
        {"orlDB", valueOrNull(s.orlDB)},
    };
}

nlohmann::ordered_json traceJson(const std::string& path, const CT6& record) {
    nlohmann::ordered_json events = nlohmann::ordered_json::array();
    for (const EventRow& row : eventRows(record))
        events.push_back(toJson(row));
    return {
        {"path", path},
        {"distanceUnit", distanceUnitLabel()},
        {"header", toJson(headerFields(record))},
        {"values", traceValues(record)},
        {"events", events},
        {"summary", toJson(traceSummary(record))},
    };
}

std::string headerText(const std::vector<HeaderField>& header) {
    std::string out;
    for (const HeaderField& field : header) {
        char line[512];
        std::snprintf(line, sizeof line, "  %-20s: %s\n", field.label.c_str(), field.text.c_str());
        out += line;
    }
    return out;
}

std::string eventTableText(const std::vector<EventRow>& rows) {
    if (rows.empty()) return "  (no events)\n";
    char line[1024];
    std::string location = "Location(" + distanceUnitLabel() + ")";
    std::snprintf(line, sizeof line, "  %3s %-4s %12s %9s %7s %9s %-4s %8s %8s %-5s %s\n", "#",
                  "Type", location.c_str(), "Span Loss", "dB/km", "Loss", "", "Refl", "Cum Loss",
                  "Flags", "Comment");
    std::string out = line;
    for (const EventRow& r : rows) {
        std::snprintf(line, sizeof line, "  %3d %-4s %12s %9s %7s %9s %-4s %8s %8s %-5s %s\n",
                      r.index, r.typeChar.c_str(), r.start.c_str(), r.spanLoss.c_str(),
                      r.spanLossDBKM.c_str(), r.loss.c_str(), r.lossMark.c_str(), r.refl.c_str(),
                      r.cumLoss.c_str(), r.flags.c_str(), r.comment.c_str());
        out += line;
        if (r.type == T6_EVENT_GROUP) {
            std::snprintf(line, sizeof line, "  %3s %-4s %12s\n", "", "", r.end.c_str());
            out += line;
        }
    }
    return out;
}

std::string summaryText(const TraceSummary& s) {
    std::string out = "  End/Fault           : " + s.endFault + "\n" +
                      "  End - End Loss      : " + s.endToEndLoss + "\n";
    if (s.storedTotalLossDB != T6_NO_VALUE) {
        out += "  Stored Total Loss   : " + textOf([&](char16_t* b) {
                   return T6GetDB2Dec(s.storedTotalLossDB, b, T6_WITH_UNITS);
               }) +
               "\n";
    }
    out += "  ORL                 : " + s.orl;
    if (!s.orlAToB.empty()) out += " " + s.orlAToB;
    return out + "\n";
}

} // namespace varnel::cli
