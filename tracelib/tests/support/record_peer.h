// Reaches the record's stored words that only files and analyses set.
#pragma once

#include <varnel/varnel.h>

#include <cstdint>

struct CT6TestPeer {
    static uint32_t& traceFlags(CT6& t) { return t.m_traceFlags; }
    static int32_t& orl(CT6& t) { return t.m_orl; }
    static void setORLCursors(CT6& t, int32_t aDP, int32_t bDP) {
        t.m_orlADP = aDP;
        t.m_orlBDP = bDP;
    }
    static int32_t& viewCount(CT6& t) { return t.m_viewCount; }
    static int32_t& lastDP(CT6& t) { return t.m_lastDP; }
    static int32_t& spanCount(CT6& t) { return t.m_spanCount; }
    static int32_t& scaleFactorCount(CT6& t) { return t.m_scaleFactorCount; }
    static int32_t& pulseWidthCount(CT6& t) { return t.m_pulseWidthCount; }
};
