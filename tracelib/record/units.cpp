// The distance-unit table and the name tables of event types, display-from
// choices and loss modes.
#include "record/settings.h"

#include <varnel/varnel.h>

namespace varnel {

namespace {

constexpr int32_t kFeetRow = 1;
constexpr int32_t kMetreRow = 3;

constexpr UnitRow kUnits[T6_UNIT_COUNT] = {
    {0.621371192, 3.280839895, kFeetRow}, // mi
    {3280.839895, 3.280839895, kFeetRow}, // ft
    {3.280839895, 3.280839895, kFeetRow}, // kft
    {1000.0, 1.0, kMetreRow},             // m
    {1.0, 1.0, kMetreRow},                // km
};

char16_t* copyLabel(char16_t* out, const char16_t* label) {
    return copyTruncated(out, label, textLength(label));
}

const char16_t* unknownText() {
    return u"??";
}

} // namespace

const UnitRow& unitRow(int32_t index) {
    return kUnits[index >= 0 && index < T6_UNIT_COUNT ? index : T6_UNIT_KM];
}

const UnitRow& currentUnit() {
    return unitRow(settings().curDistUnits);
}

const char16_t* currentShortLabel() {
    return settings().curDist[currentUnit().shortLabelIndex].c_str();
}

const char16_t* currentDistLabel() {
    return settings().curDist[settings().curDistUnits].c_str();
}

const char16_t* eventTypeName(int32_t type) {
    if (type < kEventTypeFirst || type >= kEventTypeFirst + kEventTypeCount) return unknownText();
    return settings().eventType[type - kEventTypeFirst].c_str();
}

} // namespace varnel

using varnel::settings;

int32_t T6GetCountCurDist() {
    return T6_UNIT_COUNT;
}

char16_t* T6GetInfoCurDist(int32_t index, char16_t* label, double& factor) {
    if (index < 0 || index >= T6_UNIT_COUNT) index = T6_UNIT_KM;
    factor = varnel::unitRow(index).factor;
    return varnel::copyLabel(label, settings().curDist[index].c_str());
}

double T6CurDistFromKM(double km) {
    return km * varnel::currentUnit().factor;
}
double T6KMFromCurDist(double v) {
    return v / varnel::currentUnit().factor;
}

char16_t* T6GetStgEventType(int32_t type, char16_t* out) {
    return varnel::copyLabel(out, varnel::eventTypeName(type));
}

int32_t T6GetCountDisplayFrom() {
    return varnel::kDisplayFromCount;
}

char16_t* T6GetStgDisplayFrom(int32_t index, char16_t* out) {
    if (index < 0 || index >= varnel::kDisplayFromCount)
        return varnel::copyLabel(out, varnel::unknownText());
    return varnel::copyLabel(out, settings().displayFrom[index].c_str());
}

int32_t T6GetCountLossMode() {
    return T6_LOSS_MODE_COUNT;
}

char16_t* T6GetStgLossMode(int32_t index, char16_t* out) {
    if (index < 0 || index >= T6_LOSS_MODE_COUNT)
        return varnel::copyLabel(out, varnel::unknownText());
    return varnel::copyLabel(out, settings().lossMode[index].c_str());
}
