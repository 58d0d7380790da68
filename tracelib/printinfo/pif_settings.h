// The library settings carried by print-information records 9 to 23, listed
// once for both directions: the writer visits them to store the current
// values, the reader to restore them.
#pragma once

#include "record/settings.h"

#include <cstdint>

namespace varnel::pif {

// Visits the fields of one settings record in payload order. V provides
// integer(int32_t&), unitIndex(int32_t&), real(double&), label(FixedText<N>&)
// and format(NumberFormat&). Returns false for a type that is not a settings
// record.
template <class V> bool visitSettingsRecord(int32_t type, Settings& s, V& v) {
    switch (type) {
    case 9:
        v.unitIndex(s.curDistUnits);
        v.real(s.speedOfLight);
        v.integer(s.endEndLossStartConn);
        v.integer(s.endEndLossEndConn);
        v.real(s.startConnDefKM);
        v.real(s.startConnDefPercent);
        v.real(s.defaultDBKM);
        v.integer(s.useT6DBKM);
        for (int32_t& option : s.orlCalc)
            v.integer(option);
        // Appended to the published layout so that a round trip restores them
        // too; a reader finds them missing in older files and keeps its own.
        v.integer(s.endian);
        v.integer(s.endEndLossForced);
        return true;
    case 10:
        for (auto& label : s.curDist)
            v.label(label);
        return true;
    case 11:
        for (auto& label : s.month)
            v.label(label);
        return true;
    case 12:
        for (auto& label : s.eventType)
            v.label(label);
        return true;
    case 13:
        for (auto& label : s.displayFrom)
            v.label(label);
        return true;
    case 14:
        for (auto& label : s.lossMode)
            v.label(label);
        return true;
    case 15:
        v.label(s.nm);
        v.label(s.usec);
        v.label(s.nsec);
        v.label(s.db);
        v.label(s.dbm);
        v.label(s.am);
        v.label(s.pm);
        v.label(s.dbkm);
        return true;
    case 16:
        v.label(s.notAvailable);
        v.label(s.twoWay);
        v.label(s.deltaCompare);
        v.label(s.attenuated);
        v.label(s.abort);
        v.label(s.templateTrace);
        v.label(s.fas);
        v.label(s.smooth);
        return true;
    case 17:
        v.label(s.unknownLoss);
        v.label(s.twoPoint);
        v.label(s.longRange);
        v.label(s.hiRes);
        v.label(s.singlemode);
        v.label(s.multimode);
        v.label(s.sm);
        v.label(s.mm);
        return true;
    case 18:
        v.label(s.fast);
        v.label(s.medium);
        v.label(s.slow);
        v.label(s.timed);
        v.label(s.autoMode);
        v.label(s.outOfRange);
        v.label(s.outOfDist);
        v.label(s.traceFlagChars);
        return true;
    case 19:
        v.label(s.eventTypeChars);
        v.label(s.orlRelToA);
        v.label(s.orlRelToOrigin);
        return true;
    case 20:
        for (auto& format : s.formatDist)
            v.format(format);
        return true;
    case 21:
        for (auto& format : s.formatORLDist)
            v.format(format);
        return true;
    case 22:
        v.format(s.formatReflSaturated);
        v.format(s.formatReflNotSaturated);
        v.format(s.formatORLSaturated);
        v.format(s.formatORLLessThan);
        v.format(s.formatPulsewidthDist);
        return true;
    case 23:
        v.integer(s.formatDate);
        v.integer(s.formatTime);
        return true;
    default:
        return false;
    }
}

} // namespace varnel::pif
