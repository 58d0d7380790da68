#include "analysis/fas_candidates.h"

#include "record/event_element.h"

#include <algorithm>
#include <new>
#include <utility>

namespace varnel {

bool CandidateArray::allocate() {
    try {
        items_.assign(kCapacity, Candidate{});
    } catch (const std::bad_alloc&) {
        return false;
    }
    count_ = 0;
    return true;
}

Candidate& CandidateArray::add(int32_t startDP, int32_t endDP, int32_t type) {
    if (count_ < kCapacity) ++count_;
    Candidate& c = items_[static_cast<size_t>(count_ - 1)];
    c = Candidate{startDP, 0, 0, endDP, type, 0};
    return c;
}

void CandidateArray::remove(int32_t i) {
    items_[static_cast<size_t>(i)].flags |= T6_EVFLAG_MARKED_FOR_DELETION;
}

bool CandidateArray::isRemoved(int32_t i) const {
    return (items_[static_cast<size_t>(i)].flags & T6_EVFLAG_MARKED_FOR_DELETION) != 0;
}

void CandidateArray::compactAndSort() {
    int32_t kept = 0;
    for (int32_t i = 0; i < count_; ++i) {
        if (!isRemoved(i)) items_[static_cast<size_t>(kept++)] = items_[static_cast<size_t>(i)];
    }
    count_ = kept;
    const auto byStart = [](const Candidate& a, const Candidate& b) {
        return a.startDP < b.startDP;
    };
    const auto first = items_.begin();
    const auto last = first + count_;
    if (std::is_sorted(first, last, byStart)) return;
    // With distinct starts there is one order, whichever way it is reached;
    // equal starts keep the order the selection below gives them.
    std::vector<Candidate> sorted(first, last);
    std::sort(sorted.begin(), sorted.end(), byStart);
    const auto sameStart = [](const Candidate& a, const Candidate& b) {
        return a.startDP == b.startDP;
    };
    if (std::adjacent_find(sorted.begin(), sorted.end(), sameStart) == sorted.end()) {
        std::copy(sorted.begin(), sorted.end(), first);
        return;
    }
    for (int32_t i = 0; i < count_; ++i) {
        int32_t smallest = i;
        for (int32_t j = i + 1; j < count_; ++j) {
            if ((*this)[j].startDP < (*this)[smallest].startDP) smallest = j;
        }
        if (smallest != i) std::swap((*this)[i], (*this)[smallest]);
    }
}

} // namespace varnel
