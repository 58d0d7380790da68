// A trace list over simulated trace files in a scratch folder, with its
// rows attached as the list view would be, and a recorder of the hints the
// list sends.
#pragma once

#include "core/trace/tests/trace_doc_fixture.h"
#include "core/trace/trace_doc_type.h"
#include "core/tracelist/trace_list_doc.h"
#include "core/tracelist/trace_list_rows.h"

#include <filesystem>
#include <memory>

namespace orvane::test {

class HintLog : public View {
public:
    std::vector<Hint> hints;
    void onUpdate(View*, const Hint& hint) override { hints.push_back(hint); }
    std::vector<HintCode> codes() const {
        std::vector<HintCode> out;
        for (const Hint& h : hints)
            out.push_back(h.code);
        return out;
    }
};

class TraceListTest : public TraceDocTest {
protected:
    TraceListTest() : traceType(makeTraceDocType(kTraceDocStrings)) {
        application().preferences = Preferences{};
        list = std::make_unique<CTraceListDoc>(*traceType);
        rows.attach(list.get());
        log.attach(list.get());
    }
    ~TraceListTest() override {
        rows.attach(nullptr);
        log.attach(nullptr);
        list.reset();
        application().preferences = Preferences{};
    }

    // count traces f0.T6, f1.T6, ... (one simulation, copied), added to the
    // list in that order.
    std::vector<std::string> addTraces(int count) {
        const std::string first = writeTrace("f0.T6");
        std::vector<std::string> paths{first};
        for (int i = 1; i < count; ++i) {
            paths.push_back(at("f" + std::to_string(i) + ".T6"));
            std::filesystem::copy_file(first, paths.back(),
                                       std::filesystem::copy_options::overwrite_existing);
        }
        list->AddTraces(paths);
        log.hints.clear();
        return paths;
    }

    CTraceListEntry* row(size_t r) const { return rows.entryAt(r); }

    // The rows whose entries are displayed, in slot order.
    std::vector<size_t> displayedRows() const {
        std::vector<size_t> out;
        for (CTraceListEntry* entry : list->DisplayedEntries())
            out.push_back(*rows.rowOf(entry));
        return out;
    }

    std::unique_ptr<DocumentType> traceType;
    std::unique_ptr<CTraceListDoc> list;
    TraceListRows rows;
    HintLog log;
};

} // namespace orvane::test
