// The options of varnel batch that choose the batch steps: the same steps,
// in the same order, as the desktop viewer's Batch Trace Processing.
#pragma once

#include "core/batch/batch_settings.h"

#include <CLI/CLI.hpp>

#include <optional>
#include <string>
#include <vector>

namespace varnel::cli {

struct BatchStepOptions {
    std::optional<double> ior;
    std::optional<double> backscatterDB;
    std::vector<double> shift; // horizontal (distance unit), vertical (dB)
    bool removeAnalysis = false;
    std::optional<double> nearerThan; // distance unit
    std::optional<double> fartherThan;
    std::optional<int> startCords;
    std::optional<int> endCords;
    std::string orl;             // "", "a-to-b" or "full"
    std::vector<double> cursors; // A and B, distance unit
    bool exportDataPoints = false;
    std::string saveAs; // "", "Original" or a format name
    int layout = orvane::batch::kLayoutTessan;
    bool summary = true;
    bool yes = false;

    void addTo(CLI::App& command);
    // The core's settings, distances converted from the current distance
    // unit (set it first). analyze is --analyze.
    orvane::batch::BatchSettings settings(bool analyze) const;
    // Cursor positions in km for the ORL between cursors.
    double cursorAKM() const;
    double cursorBKM() const;
};

} // namespace varnel::cli
