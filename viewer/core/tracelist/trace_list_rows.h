// The rows of the trace list view without the widget: the entries in their
// sorted order, which rows are selected, and each row's texts and icon. It
// is a view of the list document and keeps itself in step with its hints;
// the widget only shows it.
#pragma once

#include "core/platform/view.h"
#include "core/tracelist/trace_list_order.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

namespace orvane {

class CTraceListDoc;
struct CTraceListEntry;

// Row icons: not displayed, primary, then one per display slot in its colour.
inline constexpr int kIconNotDisplayed = 1;
inline constexpr int kIconPrimary = 2;
inline constexpr int kIconFirstSlot = 3;
// A trace a list file named that cannot be found.
inline constexpr int kIconMissing = 11;

class TraceListRows : public View {
public:
    // Called after the rows followed a hint (the widget refreshes).
    using Listener = std::function<void(const Hint&)>;
    void setListener(Listener listener) { m_listener = std::move(listener); }

    CTraceListDoc* list() const;

    size_t size() const { return m_rows.size(); }
    CTraceListEntry* entryAt(size_t row) const { return m_rows[row].entry; }
    std::optional<size_t> rowOf(const CTraceListEntry* entry) const;
    std::vector<CTraceListEntry*> entries() const;

    int iconAt(size_t row) const;
    std::string nameAt(size_t row) const;
    std::string folderAt(size_t row) const;

    bool isSelected(size_t row) const { return m_rows[row].selected; }
    void setSelected(size_t row, bool selected) { m_rows[row].selected = selected; }
    void selectAll();
    void clearSelection();
    // The selected entries in row order.
    std::vector<CTraceListEntry*> selectedEntries() const;
    size_t selectedCount() const;
    std::optional<size_t> firstSelectedRow() const;

    void onUpdate(View* sender, const Hint& hint) override;

private:
    struct Row {
        CTraceListEntry* entry = nullptr;
        TraceSortKey key;
        bool selected = false;
    };

    void rebuild();
    void append(const Hint& hint);
    void remove(const Hint& hint);
    void rekey();
    void sort();
    void reportDuplicates(const Hint& hint) const;

    std::vector<Row> m_rows;
    Listener m_listener;
};

} // namespace orvane
