// What the desktop viewer shows of a trace, as texts and values: the header,
// the event table from event 1 on, end-to-end loss and ORL.
#pragma once

#include <varnel/varnel.h>

#include <nlohmann/json.hpp>

#include <cstdint>
#include <string>
#include <vector>

namespace varnel::cli {

struct HeaderField {
    std::string key;   // JSON key
    std::string label; // shown in the human output
    std::string text;  // with units
};

std::vector<HeaderField> headerFields(const CT6& record);

struct EventRow {
    int32_t index = 0;
    int32_t type = 0;
    std::string typeChar;
    std::string typeName;
    std::string start; // current distance unit, no unit label
    std::string end;
    std::string spanLoss;
    std::string spanLossDBKM;
    std::string loss;     // empty when the loss was not measured
    std::string lossMark; // "(2P)" for a two-point loss, else empty
    std::string refl;     // empty for a non-reflective event
    std::string cumLoss;
    std::string flags;
    std::string comment;
    double startKM = 0;
    double endKM = 0;
    double lossDB = T6_NO_VALUE;
    double reflDB = 0;
    uint32_t flagBits = 0;
};

std::vector<EventRow> eventRows(const CT6& record);

struct TraceSummary {
    std::string endFault; // start of the last event with units, or "??.?? unit"
    std::string endToEndLoss;
    std::string orl;
    std::string orlAToB; // empty unless an ORL with cursor positions is stored
    double endKM = 0;
    double endToEndLossDB = T6_NO_VALUE;
    double orlDB = 0; // 0 when not available
    int32_t eventCount = 0;
};

TraceSummary traceSummary(const CT6& record);

// The distance unit's label ("km", "m", ...).
std::string distanceUnitLabel();

nlohmann::ordered_json toJson(const std::vector<HeaderField>& header);
nlohmann::ordered_json toJson(const EventRow& row);
nlohmann::ordered_json toJson(const TraceSummary& summary);
// Header, events and summary of one trace under its path.
nlohmann::ordered_json traceJson(const std::string& path, const CT6& record);

// The human listing: header block, event table, summary.
std::string headerText(const std::vector<HeaderField>& header);
std::string eventTableText(const std::vector<EventRow>& rows);
std::string summaryText(const TraceSummary& summary);

} // namespace varnel::cli
