// The library's named codes: event types and flag bits, the record's
// modification and trace flags, loss modes, distance units, and the statuses
// that its operations return. Stored files carry these values, so they never
// change.
#pragma once

#include <cstdint>

// Returned by every level, loss and ORL read that has no value; compare exactly.
inline constexpr double T6_NO_VALUE = -1.23456e31;

// The units argument of the text accessors: append the unit label or not.
inline constexpr int32_t T6_NO_UNITS = 0;
inline constexpr int32_t T6_WITH_UNITS = 1;

// ---------------------------------------------------------------------------
// Events
// ---------------------------------------------------------------------------

// Event types (EVGetType, EVSetType).
inline constexpr int32_t T6_EVENT_JUNK = -1;
inline constexpr int32_t T6_EVENT_LAUNCH = 0;
inline constexpr int32_t T6_EVENT_REFLECTIVE = 1;
inline constexpr int32_t T6_EVENT_NON_REFLECTIVE = 2;
inline constexpr int32_t T6_EVENT_GROUP = 3;
inline constexpr int32_t T6_EVENT_END = 4;
// Never stored: EVSetType makes it an end with T6_EVFLAG_END_AT_NOISE_FLOOR.
inline constexpr int32_t T6_EVENT_QUESTIONABLE_END = 5;

// Event flag bits (EVGetFlags, EVSetFlags; CalcRefl's status).
inline constexpr uint32_t T6_EVFLAG_REFL_SATURATED = 0x00000001;
inline constexpr uint32_t T6_EVFLAG_CLOSING = 0x00000002; // last event of an analysed table
inline constexpr uint32_t T6_EVFLAG_LOSS_OVER_THRESHOLD = 0x00000004;
inline constexpr uint32_t T6_EVFLAG_REFL_OVER_THRESHOLD = 0x00000008;
inline constexpr uint32_t T6_EVFLAG_TWO_POINT_LOSS = 0x00000010; // a caller's mark
// Marks an outside analysis may leave; the exception report names them.
inline constexpr uint32_t T6_EVFLAG_GHOST = 0x00000020;
inline constexpr uint32_t T6_EVFLAG_GHOST_ECHO = 0x00000040;
inline constexpr uint32_t T6_EVFLAG_QUESTIONABLE_LOSS = 0x00000080;
inline constexpr uint32_t T6_EVFLAG_RISING_EDGE = 0x00002000;
inline constexpr uint32_t T6_EVFLAG_GAINER = 0x00400000;
inline constexpr uint32_t T6_EVFLAG_LAUNCH_NOT_CLEAN = 0x00000100;
inline constexpr uint32_t T6_EVFLAG_END_AT_NOISE_FLOOR = 0x00000200;
inline constexpr uint32_t T6_EVFLAG_END_NO_NOISE_FLOOR = 0x00000400;
inline constexpr uint32_t T6_EVFLAG_QUESTIONABLE =
    T6_EVFLAG_END_AT_NOISE_FLOOR | T6_EVFLAG_END_NO_NOISE_FLOOR;
inline constexpr uint32_t T6_EVFLAG_REFL_END_FOUND = 0x00004000;
// Inserted rather than detected: by a splice template, or by the user.
inline constexpr uint32_t T6_EVFLAG_INSERTED = 0x00010000;
// Placed or edited by hand (SR-4731 code 'M' or 'D').
inline constexpr uint32_t T6_EVFLAG_EDITED = 0x00020000;
inline constexpr uint32_t T6_EVFLAG_REFL_CLAMPED = 0x00040000;
inline constexpr uint32_t T6_EVFLAG_FEW_POINTS_PER_PULSE = 0x00080000;
// Either mark makes the reflectance a lower bound.
inline constexpr uint32_t T6_EVFLAG_REFL_LOWER_BOUND =
    T6_EVFLAG_REFL_CLAMPED | T6_EVFLAG_FEW_POINTS_PER_PULSE;
inline constexpr uint32_t T6_EVFLAG_MARKED_FOR_DELETION = 0x00100000;
inline constexpr uint32_t T6_EVFLAG_END_AT_NTH_REFL = 0x01000000;
inline constexpr uint32_t T6_EVFLAG_FROM_TEMPLATE = 0x02000000;
// Both marks of an event a splice template put in.
inline constexpr uint32_t T6_EVFLAG_TEMPLATE_EVENT = T6_EVFLAG_INSERTED | T6_EVFLAG_FROM_TEMPLATE;
inline constexpr uint32_t T6_EVFLAG_LOSS_UNKNOWN = 0x04000000;
inline constexpr uint32_t T6_EVFLAG_REFL_UNKNOWN = 0x08000000;

// The side argument of the least-squares offset accessors.
inline constexpr int32_t T6_SIDE_B = 0;
inline constexpr int32_t T6_SIDE_A = 1;

// Loss modes (GetLossMode, EVGetLossMode, CalcLoss).
inline constexpr int32_t T6_LOSS_SPLICE = 0;
inline constexpr int32_t T6_LOSS_2POINT = 1;
inline constexpr int32_t T6_LOSS_2POINT_LSA = 2;
inline constexpr int32_t T6_LOSS_DBKM = 3;
inline constexpr int32_t T6_LOSS_DBKM_LSA = 4;
inline constexpr int32_t T6_LOSS_ORL = 5;
inline constexpr int32_t T6_LOSS_2POINT_ATN_COR = 6;
inline constexpr int32_t T6_LOSS_MODE_COUNT = 7;
// Arguments of the full CalcLoss only: one least-squares line against the
// levels just before B.
inline constexpr int32_t T6_LOSS_A_SIDE_AT_B = 100;
inline constexpr int32_t T6_LOSS_B_SIDE_AT_B = 101;

// ---------------------------------------------------------------------------
// The record's flag words
// ---------------------------------------------------------------------------

// Modification flags (SetModFlag, IsModFlagSet): what changed since the
// record was read or saved.
inline constexpr uint32_t T6_MOD_ANALYSIS_SETTINGS = 1; // thresholds copied in by FAS
inline constexpr uint32_t T6_MOD_SHIFT = 2;
inline constexpr uint32_t T6_MOD_ORL = 4;
inline constexpr uint32_t T6_MOD_SPAN_IOR = 8;
inline constexpr uint32_t T6_MOD_SPAN_BACKSCATTER = 16;
inline constexpr uint32_t T6_MOD_EVENTS = 32;
inline constexpr uint32_t T6_MOD_VIEW_MODE = 128;
inline constexpr uint32_t T6_MOD_VIEW = 256;
inline constexpr uint32_t T6_MOD_CURSORS = 512;
inline constexpr uint32_t T6_MOD_LOSS_MODE = 1024;
inline constexpr uint32_t T6_MOD_LSA_CURSORS = 2048;
inline constexpr uint32_t T6_MOD_ANALYSIS = 4096; // FAS ran or a template was built
inline constexpr uint32_t T6_MOD_HEADER_PAGES = 8192;
inline constexpr uint32_t T6_MOD_DATA_POINTS = 16384;

// Trace flags (IsTrace..., SetTrace...; CalcORL's status uses the ORL bits).
inline constexpr uint32_t T6_TRACE_2WAY_AVG = 0x1;
inline constexpr uint32_t T6_TRACE_AB_LOCKED = 0x2;
inline constexpr uint32_t T6_TRACE_ABORTED = 0x4;
inline constexpr uint32_t T6_TRACE_ATTENUATED = 0x8;
inline constexpr uint32_t T6_TRACE_AUTO_MODE = 0x10;
inline constexpr uint32_t T6_TRACE_CLAMPED = 0x20;
inline constexpr uint32_t T6_TRACE_DELTA_COMPARE = 0x40;
inline constexpr uint32_t T6_TRACE_ORL_LESS_THAN = 0x200;
inline constexpr uint32_t T6_TRACE_ORL_REL_TO_A = 0x400;
inline constexpr uint32_t T6_TRACE_ORL_SATURATED = 0x800;
inline constexpr uint32_t T6_TRACE_ORL_AVAILABLE = 0x1000;
inline constexpr uint32_t T6_TRACE_RECALLED = 0x2000;
inline constexpr uint32_t T6_TRACE_USER_SMOOTHED = 0x4000;
inline constexpr uint32_t T6_TRACE_TEMPLATE = 0x8000;
inline constexpr uint32_t T6_TRACE_ORL_STFM = 0x10000;
inline constexpr uint32_t T6_TRACE_ORL_COPIED = 0x20000;
inline constexpr uint32_t T6_TRACE_EVER_SMOOTHED = 0x40000;
inline constexpr uint32_t T6_TRACE_FIBER_FILL = 0x80000;
// Every ORL bit: replaced as a whole when an ORL is stored or copied.
inline constexpr uint32_t T6_TRACE_ORL_FLAGS = T6_TRACE_ORL_LESS_THAN | T6_TRACE_ORL_REL_TO_A |
                                               T6_TRACE_ORL_SATURATED | T6_TRACE_ORL_AVAILABLE |
                                               T6_TRACE_ORL_STFM | T6_TRACE_ORL_COPIED;

// Fibre modes (GetFiberMode, SetFiberMode).
inline constexpr int32_t T6_FIBER_MULTIMODE = 0;
inline constexpr int32_t T6_FIBER_SINGLEMODE = 1;

// Distance units: indexes of the unit table (T6SetCurDistUnits).
inline constexpr int32_t T6_UNIT_MI = 0;
inline constexpr int32_t T6_UNIT_FT = 1;
inline constexpr int32_t T6_UNIT_KFT = 2;
inline constexpr int32_t T6_UNIT_M = 3;
inline constexpr int32_t T6_UNIT_KM = 4;
inline constexpr int32_t T6_UNIT_COUNT = 5;

// ---------------------------------------------------------------------------
// Statuses
// ---------------------------------------------------------------------------

// File operations of every format (DecompFile, FileSaveAs, ...).
inline constexpr int32_t T6_FILE_OK = 0;
inline constexpr int32_t T6_FILE_SHORT_READ = 1;
inline constexpr int32_t T6_FILE_NO_MEMORY = 2;
// A native file without spans, scale factors, points or resolution; for a
// save, a format that cannot be written.
inline constexpr int32_t T6_FILE_INVALID_CONTENT = 5;
inline constexpr int32_t T6_FILE_CHECKSUM_MISMATCH = 6;
inline constexpr int32_t T6_FILE_ENCODER_FAILED = 7;
inline constexpr int32_t T6_FILE_DAMAGED = 8; // damaged or unrecognised
inline constexpr int32_t T6_FILE_CANNOT_OPEN = 9;
inline constexpr int32_t T6_FILE_SHORT_WRITE = 10;
// The file or save format needs the outside legacy converter (Ferrowin),
// which is not installed. Not a damaged file.
inline constexpr int32_t T6_ERR_NO_LEGACY_CONVERTER = 40;

// What a reader left out because it could not lie on the trace's points
// (bits of CT6::GetReadRepairs).
inline constexpr int32_t T6_READ_EVENTS_OFF_TRACE = 0x1;  // key events
inline constexpr int32_t T6_READ_MARKERS_OFF_TRACE = 0x2; // event or ORL markers
inline constexpr int32_t T6_READ_OFFSET_OFF_TRACE = 0x4;  // user or front panel offset

// What an SR-4731 file could not hold as the record had it (bits of
// CT6::GetWriteRepairs): levels its points cannot store exactly, or that a
// reader cannot give back under the range it takes from the file's losses.
// Levels that only read back moved by a change of dynamic range, their
// losses the same, are not counted: the file has no field for the range.
inline constexpr int32_t T6_WRITE_LEVELS_INEXACT = 0x1;

// The automatic analysis (FAS).
inline constexpr int32_t T6_FAS_DONE = 0;
inline constexpr int32_t T6_FAS_NO_MEMORY = 1;
inline constexpr int32_t T6_FAS_LINEAR_POINTS = 2; // the record holds an acquisition's samples
inline constexpr int32_t T6_FAS_NO_TRACE = 3;

// Splice templates (BuildFASTemplate, ApplyTemplateTo).
inline constexpr int32_t T6_TEMPLATE_DONE = 0;
inline constexpr int32_t T6_TEMPLATE_ALREADY = 1; // BuildFASTemplate on a template
inline constexpr int32_t T6_TEMPLATE_EMPTY = 2;
inline constexpr int32_t T6_TEMPLATE_NOT_A_TEMPLATE = 3;
inline constexpr int32_t T6_TEMPLATE_NO_TRACE = 4;

// Fibre-fill time of flight, per trace (T6CalcCDTOFs).
inline constexpr int32_t T6_TOF_MEASURED = 0;
inline constexpr int32_t T6_TOF_NOT_FIBER_FILL = 1;
inline constexpr int32_t T6_TOF_NO_TRACE = 2;

// Header templates: 1001 is a usable template with a field cut at column 50;
// 1002 and 1003 are usable up to the page or field that stopped it.
inline constexpr int32_t T6_HDR_FIELD_CUT = 1001;
inline constexpr int32_t T6_HDR_TOO_MANY_PAGES = 1002;
inline constexpr int32_t T6_HDR_TOO_MANY_FIELDS = 1003;
inline constexpr int32_t T6_HDR_EMPTY_TEMPLATE = 1004;
