// The event table as a whole: capacity, insertion, deletion, ordering and
// snapshots. m_events always holds the full capacity of zero-initialised
// elements; m_eventCount of them are in use.
#include "record/event_element.h"
#include "record/event_internal.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>

using namespace varnel;

int32_t CT6::EVCount() const {
    return m_eventCount;
}
int32_t CT6::EVMaxCount() const {
    return static_cast<int32_t>(m_events.size());
}
int32_t CT6::EVSizeElement() const {
    return kEventElementBytes;
}

int32_t CT6::EVInitArray(int32_t n) {
    m_eventCount = 0;
    m_events.clear();
    m_events.shrink_to_fit();
    const int32_t capacity = std::max(n, kEventMinCapacity);
    try {
        m_events.resize(static_cast<size_t>(capacity), EVElement{});
    } catch (const std::bad_alloc&) {
        // A count from a damaged file can ask for more than memory holds; an
        // empty table of the minimum size is still usable.
        m_events.resize(kEventMinCapacity, EVElement{});
    }
    return EVMaxCount();
}

int32_t CT6::EVInit(int32_t i) {
    if (i < 0 || i >= EVMaxCount()) return m_eventCount;
    m_events[static_cast<size_t>(i)] = EVElement{};
    if (i < m_eventCount) markEventsModified();
    return m_eventCount;
}

// Keeps at least one spare element after every insertion.
bool CT6::growEventsFor(int32_t count) {
    if (count < EVMaxCount()) return true;
    try {
        m_events.resize(m_events.size() + kEventGrowth, EVElement{});
    } catch (const std::bad_alloc&) {
        return false;
    }
    return count < EVMaxCount();
}

int32_t CT6::EVInsert(int32_t i) {
    if (m_eventCount == INT32_MAX || !growEventsFor(m_eventCount + 1)) return -1;
    ++m_eventCount;
    i = std::clamp(i, 0, m_eventCount - 1);
    const auto first = m_events.begin() + i;
    std::move_backward(first, m_events.begin() + m_eventCount - 1, m_events.begin() + m_eventCount);
    *first = EVElement{};
    markEventsModified();
    return i;
}

int32_t CT6::EVInsert() {
    return EVInsert(m_eventCount);
}

int32_t CT6::EVInsertDPFR(int32_t dp, uint16_t fr) {
    int32_t at = m_eventCount;
    for (int32_t i = 0; i < m_eventCount; ++i) {
        const EVElement& e = m_events[static_cast<size_t>(i)];
        const int32_t order = T6CompareDPFR(e.StartDP, e.StartFR, dp, fr);
        if (order == 0) return i;
        if (order > 0) {
            at = i;
            break;
        }
    }
    const int32_t index = EVInsert(at);
    if (index < 0) return index;
    EVElement& e = m_events[static_cast<size_t>(index)];
    e.StartDP = dp;
    e.StartFR = fr;
    return index;
}

int32_t CT6::EVInsertKM(double km) {
    uint16_t fr = 0;
    const int32_t dp = DPFRFromKM(km, fr);
    return EVInsertDPFR(dp, fr);
}

int32_t CT6::EVDelete(int32_t i) {
    if (i < 0 || i >= m_eventCount) return m_eventCount;
    // Bubbling keeps the deleted element's contents just past the count.
    for (int32_t j = i; j + 1 < m_eventCount; ++j)
        EVSwap(j, j + 1);
    --m_eventCount;
    markEventsModified();
    return m_eventCount;
}

int32_t CT6::EVDeleteFlagged() {
    int32_t i = 0;
    while (i < m_eventCount) {
        if (m_events[static_cast<size_t>(i)].Flags & T6_EVFLAG_MARKED_FOR_DELETION)
            EVDelete(i); // the next event has moved into i: look at it again
        else
            ++i;
    }
    return m_eventCount;
}

int32_t CT6::EVSwap(int32_t i, int32_t j) {
    if (i < 0 || j < 0 || i >= m_eventCount || j >= m_eventCount) return m_eventCount;
    std::swap(m_events[static_cast<size_t>(i)], m_events[static_cast<size_t>(j)]);
    return m_eventCount;
}

// Selection sort by start position. On equal starts the later event in the
// scan wins the minimum (the "<=" on the fraction), which exchanges such
// pairs; stored files and the viewer's event numbering rely on that order.
int32_t CT6::EVSort() {
    for (int32_t i = 0; i < m_eventCount; ++i) {
        int32_t m = i;
        for (int32_t j = i + 1; j < m_eventCount; ++j) {
            const EVElement& ej = m_events[static_cast<size_t>(j)];
            const EVElement& em = m_events[static_cast<size_t>(m)];
            if (ej.StartDP < em.StartDP || (ej.StartDP == em.StartDP && ej.StartFR <= em.StartFR))
                m = j;
        }
        if (m != i) EVSwap(m, i);
    }
    return m_eventCount;
}

int32_t CT6::EVFindNearKM(double km) const {
    int32_t best = -1;
    double bestDistanceKM = 1e21;
    for (int32_t i = 1; i < m_eventCount; ++i) {
        const double startKM = EVGetStartKM(i);
        if (startKM < 0) continue;
        const double distanceKM = std::abs(km - startKM);
        if (distanceKM < bestDistanceKM) {
            bestDistanceKM = distanceKM;
            best = i;
        }
    }
    return best;
}

int32_t CT6::EVCopy(void* buf) const {
    if (buf == nullptr || m_eventCount == 0) return m_eventCount;
    std::memcpy(buf, m_events.data(), static_cast<size_t>(m_eventCount) * kEventElementBytes);
    return m_eventCount;
}

int32_t CT6::EVRestore(int32_t n, const void* buf) {
    EVInitArray(n);
    // Without a snapshot the table gets n zeroed events, which is what a
    // reader that fills them field by field wants.
    m_eventCount = std::clamp(n, 0, EVMaxCount());
    if (buf != nullptr && m_eventCount > 0)
        std::memcpy(m_events.data(), buf, static_cast<size_t>(m_eventCount) * kEventElementBytes);
    return m_eventCount;
}

// Validation of an edited event's extent before it is stored.
int32_t CT6::EVStartEndError(int32_t i, double startKM, double endKM) const {
    if (endKM < startKM) return 1;
    if (startKM <= 0) return 2;
    double limitKM = GetMaxKM();
    const int32_t last = m_eventCount - 1;
    if (m_eventCount > 0 && i != last && EVGetEndKM(last) <= limitKM) limitKM = EVGetEndKM(last);
    if (endKM > limitKM) return 3;
    for (int32_t j = 1; j < m_eventCount; ++j) {
        if (j != i && startKM <= EVGetEndKM(j) && endKM >= EVGetStartKM(j)) return 4;
    }
    return 0;
}
