// The library-wide settings that every record formats and calculates with.
// They take their defaults when the library loads and keep the last value set.
#pragma once

#include "record/wide_text.h"

#include <varnel/codes.h>

#include <cstdint>

namespace varnel {

inline constexpr int32_t kMonthCount = 12;
inline constexpr int32_t kEventTypeFirst = T6_EVENT_JUNK;
inline constexpr int32_t kEventTypeCount = T6_EVENT_QUESTIONABLE_END - T6_EVENT_JUNK + 1;
inline constexpr int32_t kDisplayFromCount = 4;

using Label5 = FixedText<5>;
using Label7 = FixedText<7>;
using Label9 = FixedText<9>;
using Label11 = FixedText<11>;
using Label15 = FixedText<15>;
using Label31 = FixedText<31>;
using NumberFormat = FixedText<11>;

struct UnitRow {
    double factor;      // kilometres to the unit
    double shortFactor; // metres to the unit's short length
    int32_t shortLabelIndex;
};

struct Settings {
    int32_t curDistUnits = T6_UNIT_KM;
    double speedOfLight = 299792.5; // km/s
    int32_t endian = 1;
    int32_t endEndLossStartConn = 1;
    int32_t endEndLossEndConn = 0;
    int32_t endEndLossForced = 0;
    double startConnDefKM = 0.2;
    double startConnDefPercent = 2.0;
    int32_t orlCalc[3] = {1, 1, 1}; // the third: relative to the origin
    double defaultDBKM = 0.2;
    int32_t useT6DBKM = 1;
    int32_t formatDate = 0;
    int32_t formatTime = 0;

    Label5 nm{u"nm"};
    Label5 usec{u"us"};
    Label5 nsec{u"ns"};
    Label5 curDist[T6_UNIT_COUNT] = {{u"mi"}, {u"ft"}, {u"kft"}, {u"m"}, {u"km"}};
    Label5 db{u"dB"};
    Label5 dbm{u"dBm"};
    Label5 month[kMonthCount] = {{u"Jan"}, {u"Feb"}, {u"Mar"}, {u"Apr"}, {u"May"}, {u"Jun"},
                                 {u"Jul"}, {u"Aug"}, {u"Sep"}, {u"Oct"}, {u"Nov"}, {u"Dec"}};
    Label5 am{u"AM"};
    Label5 pm{u"PM"};
    Label9 dbkm{u"dB/km"};
    Label9 notAvailable{u"N/A"};
    Label31 twoWay{u"2-Way Average"};
    Label31 deltaCompare{u"Delta Compare"};
    Label11 attenuated{u"Atten"};
    Label11 abort{u"Abort"};
    Label15 templateTrace{u"Template"};
    Label9 fas{u"FAS"};
    Label11 smooth{u"Smooth"};
    Label5 unknownLoss{u"??"};
    Label5 twoPoint{u"(2P)"};
    Label5 longRange{u"[L]"};
    Label5 hiRes{u"[H]"};
    Label31 singlemode{u"Singlemode"};
    Label31 multimode{u"Multimode"};
    Label5 sm{u"SM"};
    Label5 mm{u"MM"};
    Label9 fast{u"Fast"};
    Label9 medium{u"Medium"};
    Label9 slow{u"Slow"};
    Label9 timed{u"Timed"};
    Label15 autoMode{u"AutoMode"};
    Label31 outOfRange{u"Out of Range"};
    Label31 outOfDist{u"Out of Dist."};
    Label7 traceFlagChars{u"FSTAH2D"};
    Label31 eventType[kEventTypeCount] = {
        {u"Junk"},  {u"Launch"},    {u"Reflective"},      {u"Non-Reflective"},
        {u"Group"}, {u"End Event"}, {u"Questionable End"}};
    Label7 eventTypeChars{u"JLRNGE?"};
    Label31 displayFrom[kDisplayFromCount] = {
        {u"Display from Origin"}, {u"Display from A"}, {u"Display from B"}, {u"Display from Any"}};
    Label31 lossMode[T6_LOSS_MODE_COUNT] = {
        {u"Splice Loss"},    {u"2-Point Loss"}, {u"2-Point Loss LLSA"}, {u"dB/km Loss"},
        {u"dB/km Loss LSA"}, {u"ORL"},          {u"2-Point Atn. Cor."}};
    Label7 orlRelToA{u"[A]"};
    Label7 orlRelToOrigin{u"[O]"};

    NumberFormat formatDist[T6_UNIT_COUNT] = {
        {u"%.4f"}, {u"%.0f"}, {u"%.3f"}, {u"%.2f"}, {u"%.4f"}};
    NumberFormat formatORLDist[T6_UNIT_COUNT] = {
        {u"%.3f"}, {u"%.0f"}, {u"%.2f"}, {u"%.0f"}, {u"%.2f"}};
    NumberFormat formatReflSaturated{u">%5.1fS"};
    NumberFormat formatReflNotSaturated{u"%7.2f"};
    NumberFormat formatORLSaturated{u"<%4.1fS"};
    NumberFormat formatORLLessThan{u"<%4.2f"};
    NumberFormat formatPulsewidthDist{u"%.1f"};
};

// The one process-wide instance.
Settings& settings();

const UnitRow& unitRow(int32_t index);
const UnitRow& currentUnit();
// Label of the current unit's short length ("ft" or "m" by default).
const char16_t* currentShortLabel();
const char16_t* currentDistLabel();
const char16_t* eventTypeName(int32_t type); // "??" outside -1..5

} // namespace varnel
