// Reaches the record's stored words that only files and analyses set.
#pragma once

#include <varnel/fibre_simulator.h>
#include <varnel/varnel.h>

#include <cstdint>
#include <vector>

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

    // Writes every pulse segment of a simulation, as a file reader does.
    static void writePulses(CT6& t, const std::vector<varnel::sim::PulseEntry>& pulses) {
        t.PWInitArray(static_cast<int32_t>(pulses.size()));
        t.PWInsert();
        pulseWidthCount(t) = static_cast<int32_t>(pulses.size());
        for (int32_t k = 0; k < pulseWidthCount(t); ++k) {
            t.PWSetStartDP(k, pulses[k].startDP);
            t.PWSetNanoSec(k, pulses[k].widthNS);
            t.PWSetPreampType(k, pulses[k].preampType);
        }
    }
};
