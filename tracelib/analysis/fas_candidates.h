// The working list of events under construction during one FAS run.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace varnel {

struct Candidate {
    int32_t startDP;
    int32_t riseEndDP;
    int32_t fallStartDP;
    int32_t endDP;
    int32_t type;   // event type code
    uint32_t flags; // event flag bits
};
static_assert(sizeof(Candidate) == 24);

// A fixed array of 1000 candidates. Adding to a full array overwrites the last
// entry, so a pathological trace degrades the table instead of failing the run.
class CandidateArray {
public:
    static constexpr int32_t kCapacity = 1000;

    // Reserves the whole array; false when memory is short.
    bool allocate();

    int32_t count() const { return count_; }
    Candidate& operator[](int32_t i) { return items_[static_cast<size_t>(i)]; }
    const Candidate& operator[](int32_t i) const { return items_[static_cast<size_t>(i)]; }

    Candidate& add(int32_t startDP, int32_t endDP, int32_t type);
    // Keeps the first n candidates (all when there are fewer).
    void truncate(int32_t n) { count_ = n < count_ ? (n > 0 ? n : 0) : count_; }
    void remove(int32_t i);
    bool isRemoved(int32_t i) const;

    // Drops removed candidates (keeping the order of the rest), then orders by
    // start point: each position takes the first remaining candidate with the
    // smallest start.
    void compactAndSort();

private:
    std::vector<Candidate> items_;
    int32_t count_ = 0;
};

} // namespace varnel
