// EventDialog: the state and rules of the dialog that edits one event or
// inserts a new one. The window only shows the fields and calls Ok(); the
// validation, with its messages, and the changes to the record are here.
#pragma once

#include "core/trace/graph/measurement.h"
#include "core/trace/trace_doc.h"

#include <optional>
#include <string>
#include <vector>

namespace orvane {

// The dialog's editable values: distances, loss and reflectance as the
// fields show them (distances in the current unit).
struct EventValues {
    int32_t type = T6_EVENT_NON_REFLECTIVE; // the viewer's type: 5 is a questionable end
    std::string start;
    std::string end;
    std::string loss;
    std::string refl;
    bool saturated = false;
    bool clamped = false;   // first reflectance mark
    bool fewPoints = false; // second reflectance mark
    std::string comment;
    int32_t lossMode = T6_LOSS_SPLICE;
    graph::LsaOffsets lsa; // km, relative to the event start
    bool operator==(const EventValues&) const = default;
};

class EventDialog {
public:
    // Filled from event i.
    static EventDialog ForEdit(CTraceDoc& doc, int32_t i, bool pasteAllowed = true);
    // A new event of the starting type; insert mode pastes next.
    static EventDialog ForInsert(CTraceDoc& doc, int32_t startingType);

    // "Edit Event 3     NAME" / "Insert Event 3     NAME".
    std::string Title() const;
    // The types the list offers, in order.
    std::vector<int32_t> TypeChoices() const;
    std::string OriginText() const;
    bool IsInsert() const { return m_insert; }
    bool PasteAllowed() const { return m_pasteAllowed; }
    bool ReflectanceEnabled() const { return values.type != T6_EVENT_NON_REFLECTIVE; }
    CTraceDoc& Document() const { return *m_doc; }

    // Pasted start and end in full precision (current unit); Apply uses
    // them while their fields still show them.
    void TakePastedDistances(double start, double end);
    // The opening values are now the current ones (after the paste that
    // starts an insert).
    void MarkOpened() { m_opened = values; }

    // OK: validates (telling the first failure, which keeps the dialog
    // open) and applies. True when the dialog may close.
    bool Ok();
    // The record was changed; the event's index after the sort.
    bool RecordChanged() const { return m_changed; }
    int32_t Index() const { return m_index; }

    EventValues values;

private:
    EventDialog(CTraceDoc& doc, int32_t index, bool insert, bool pasteAllowed);
    bool Validate();
    bool ValidateDistance(const std::string& text, double& value) const;
    bool Overlaps(double start, double end) const;
    void Apply(double start, double end, double loss, double refl);
    double DistanceValue(const std::string& text) const;
    bool StartChanged() const;
    bool EndChanged() const;

    CTraceDoc* m_doc;
    int32_t m_index;
    bool m_insert;
    bool m_pasteAllowed;
    bool m_changed = false;
    bool m_pasted = false;
    EventValues m_opened;
    std::optional<double> m_pastedStart, m_pastedEnd;
    std::string m_pastedStartText, m_pastedEndText;
};

} // namespace orvane
