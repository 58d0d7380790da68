// Trace lists of simulated fibres for the batch tests: each fibre 5 km with
// its events at the given places (a launch and an end besides), and a
// progress display that presses Cancel at a chosen trace.
#pragma once

#include "core/platform/progress.h"
#include "core/platform/text.h"
#include "core/tracelist/tests/trace_list_fixture.h"

#include <varnel/fibre_simulator.h>

#include <string>
#include <vector>

namespace orvane::test {

class BatchListTest : public TraceListTest {
protected:
    // A trace with a splice at each place (km); tweak changes the record
    // before it is saved.
    std::string writeFibre(const std::string& name, const std::vector<double>& splicesKM,
                           const std::function<void(CT6&)>& tweak = {}) {
        varnel::sim::FibreDescription fibre = varnel::sim::plainFibre(5.0, 0.33, 8192, 1.0, 100);
        for (double km : splicesKM)
            fibre.events.push_back({km, 0.3, 0.0});
        CT6 record;
        varnel::sim::simulateFibre(fibre, record);
        if (tweak) tweak(record);
        const std::string path = at(name);
        EXPECT_EQ(record.FileSaveAs(toUtf16(path).c_str(), u"T6", 0, 1), 0);
        return path;
    }

    TraceEntries listed(const std::vector<std::string>& paths) {
        TraceEntries entries = list->AddTraces(paths);
        log.hints.clear();
        return entries;
    }

    int openDocuments() const {
        int open = 0;
        for (const auto& entry : list->Entries())
            open += entry->document != nullptr;
        return open;
    }
};

// Presses Cancel while the trace of the given step is shown.
class CancellingProgress : public Progress {
public:
    explicit CancellingProgress(int cancelAtStep) : m_cancelAt(cancelAtStep) {}
    void start(const std::string&, int total) override { this->total = total; }
    void step(int, const std::string& text) override {
        texts.push_back(text);
        if (static_cast<int>(texts.size()) == m_cancelAt) m_cancelled = true;
    }
    bool cancelled() const override { return m_cancelled; }
    void finish() override {}

    int total = 0;
    std::vector<std::string> texts;

private:
    int m_cancelAt;
    bool m_cancelled = false;
};

} // namespace orvane::test
