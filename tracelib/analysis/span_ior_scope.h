// Puts a reference fibre's index of refraction on span 0 so that positions on
// the reference fibre convert correctly, and puts everything back afterwards,
// the modification flags included: a measurement does not modify the record.
#pragma once

#include <varnel/varnel.h>

class CT6::ScopedSpan0IOR {
public:
    ScopedSpan0IOR(CT6& trace, double ior)
        : m_trace(trace), m_savedIOR(trace.SpanGetIOR(0)), m_savedModFlags(trace.m_modFlags) {
        trace.SpanSetIOR(0, ior);
    }
    ~ScopedSpan0IOR() {
        m_trace.SpanSetIOR(0, m_savedIOR);
        m_trace.m_modFlags = m_savedModFlags;
    }
    ScopedSpan0IOR(const ScopedSpan0IOR&) = delete;
    ScopedSpan0IOR& operator=(const ScopedSpan0IOR&) = delete;

private:
    CT6& m_trace;
    double m_savedIOR;
    uint32_t m_savedModFlags;
};
