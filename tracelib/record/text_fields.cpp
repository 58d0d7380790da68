// Header text fields: each setter keeps at most the field's capacity.
#include "record/record_text.h"

#include <varnel/varnel.h>

using varnel::getField;
using varnel::setField;

char16_t* CT6::GetManufacturer(char16_t* out) const {
    return getField(out, m_manufacturer);
}
void CT6::SetManufacturer(const char16_t* text) {
    setField(m_manufacturer, text);
}
char16_t* CT6::GetModel(char16_t* out) const {
    return getField(out, m_model);
}
void CT6::SetModel(const char16_t* text) {
    setField(m_model, text);
}
char16_t* CT6::GetModelFamily(char16_t* out) const {
    return getField(out, m_modelFamily);
}
void CT6::SetModelFamily(const char16_t* text) {
    setField(m_modelFamily, text);
}
char16_t* CT6::GetOpticsModule(char16_t* out) const {
    return getField(out, m_opticsModule);
}
void CT6::SetOpticsModule(const char16_t* text) {
    setField(m_opticsModule, text);
}
char16_t* CT6::GetOpticsModuleSN(char16_t* out) const {
    return getField(out, m_opticsModuleSN);
}
void CT6::SetOpticsModuleSN(const char16_t* text) {
    setField(m_opticsModuleSN, text);
}
char16_t* CT6::GetPartNum(char16_t* out) const {
    return getField(out, m_partNum);
}
void CT6::SetPartNum(const char16_t* text) {
    setField(m_partNum, text);
}
char16_t* CT6::GetCalDate(char16_t* out) const {
    return getField(out, m_calDate);
}
void CT6::SetCalDate(const char16_t* text) {
    setField(m_calDate, text);
}
char16_t* CT6::GetSoftwareVer(char16_t* out) const {
    return getField(out, m_softwareVer);
}
void CT6::SetSoftwareVer(const char16_t* text) {
    setField(m_softwareVer, text);
}
char16_t* CT6::GetHardwareVer(char16_t* out) const {
    return getField(out, m_hardwareVer);
}
void CT6::SetHardwareVer(const char16_t* text) {
    setField(m_hardwareVer, text);
}
char16_t* CT6::GetFiberNumber(char16_t* out) const {
    return getField(out, m_fiberNumber);
}
void CT6::SetFiberNumber(const char16_t* text) {
    setField(m_fiberNumber, text);
}
char16_t* CT6::GetSiteA(char16_t* out) const {
    return getField(out, m_siteA);
}
void CT6::SetSiteA(const char16_t* text) {
    setField(m_siteA, text);
}
char16_t* CT6::GetSiteB(char16_t* out) const {
    return getField(out, m_siteB);
}
void CT6::SetSiteB(const char16_t* text) {
    setField(m_siteB, text);
}
char16_t* CT6::GetPrefix(char16_t* out) const {
    return getField(out, m_prefix);
}
void CT6::SetPrefix(const char16_t* text) {
    setField(m_prefix, text);
}
char16_t* CT6::GetExtension(char16_t* out) const {
    return getField(out, m_extension);
}
void CT6::SetExtension(const char16_t* text) {
    setField(m_extension, text);
}
char16_t* CT6::GetNetwork(char16_t* out) const {
    return getField(out, m_network);
}
void CT6::SetNetwork(const char16_t* text) {
    setField(m_network, text);
}
char16_t* CT6::GetSegment(char16_t* out) const {
    return getField(out, m_segment);
}
void CT6::SetSegment(const char16_t* text) {
    setField(m_segment, text);
}
char16_t* CT6::GetCableID(char16_t* out) const {
    return getField(out, m_cableID);
}
void CT6::SetCableID(const char16_t* text) {
    setField(m_cableID, text);
}
char16_t* CT6::GetProject(char16_t* out) const {
    return getField(out, m_project);
}
void CT6::SetProject(const char16_t* text) {
    setField(m_project, text);
}
char16_t* CT6::GetTest(char16_t* out) const {
    return getField(out, m_test);
}
void CT6::SetTest(const char16_t* text) {
    setField(m_test, text);
}
char16_t* CT6::GetTraceType(char16_t* out) const {
    return getField(out, m_traceType);
}
void CT6::SetTraceType(const char16_t* text) {
    setField(m_traceType, text);
}
char16_t* CT6::GetTraceTypeOrig(char16_t* out) const {
    return getField(out, m_traceTypeOrig);
}
void CT6::SetTraceTypeOrig(const char16_t* text) {
    setField(m_traceTypeOrig, text);
}
char16_t* CT6::GetSTFMFiberType(char16_t* out) const {
    return getField(out, m_stfmFiberType);
}
void CT6::SetSTFMFiberType(const char16_t* text) {
    setField(m_stfmFiberType, text);
}
char16_t* CT6::GetSTFMConnType(char16_t* out) const {
    return getField(out, m_stfmConnType);
}
void CT6::SetSTFMConnType(const char16_t* text) {
    setField(m_stfmConnType, text);
}
char16_t* CT6::GetSTFMSerialNum(char16_t* out) const {
    return getField(out, m_stfmSerialNum);
}
void CT6::SetSTFMSerialNum(const char16_t* text) {
    setField(m_stfmSerialNum, text);
}
char16_t* CT6::GetSTFMModel(char16_t* out) const {
    return getField(out, m_stfmModel);
}
void CT6::SetSTFMModel(const char16_t* text) {
    setField(m_stfmModel, text);
}
char16_t* CT6::GetSTFMPartNum(char16_t* out) const {
    return getField(out, m_stfmPartNum);
}
void CT6::SetSTFMPartNum(const char16_t* text) {
    setField(m_stfmPartNum, text);
}
char16_t* CT6::GetSTFMCalDate(char16_t* out) const {
    return getField(out, m_stfmCalDate);
}
void CT6::SetSTFMCalDate(const char16_t* text) {
    setField(m_stfmCalDate, text);
}
char16_t* CT6::GetSTFMID(char16_t* out) const {
    return getField(out, m_stfmID);
}
void CT6::SetSTFMID(const char16_t* text) {
    setField(m_stfmID, text);
}

void CT6::SetTraceTypeOrigToT6() {
    setField(m_traceTypeOrig, u"T6");
}

void CT6::SetNullOrigToTraceType() {
    if (m_traceTypeOrig[0] == 0) setField(m_traceTypeOrig, m_traceType);
}

int32_t CT6::GetSiteAToB() const {
    return m_siteAToB;
}
void CT6::SetSiteAToB(int32_t flag) {
    m_siteAToB = flag;
}

char16_t* CT6::GetSiteNear(char16_t* out) const {
    return m_siteAToB ? getField(out, m_siteA) : getField(out, m_siteB);
}

char16_t* CT6::GetSiteFar(char16_t* out) const {
    return m_siteAToB ? getField(out, m_siteB) : getField(out, m_siteA);
}
