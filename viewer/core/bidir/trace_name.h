// Trace file names of a cable: the file-name convention that says which
// characters hold the from- and to-location codes, the wavelength and the
// fibre number, and its check.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvane::bidir {

inline constexpr char kConventionErrorText[] =
    "Filename Convention error.\n\nThe expected string is identical in format to your trace "
    "filenames,\n except the individual characters indicate -\n  A  From location code "
    "character.\n  B  To location code character.\n  _   Wavelength character.\n  #  Fiber "
    "number character.\nAll other characters imply ignore or don't care.\n\nE.g.,  for trace "
    "filename \"FRMTOO13.001\" use \"AAABBB__.###\".\n\nYour entry either has a blank "
    "character,  no file name,\n or more than 1 '.'.";
inline constexpr char kConventionCountsText[] =
    "\n  OR  no A, no B, or no # character;\n  OR number of A's not equal to the number of B's.";
inline constexpr char kInvalidFiberNumberText[] =
    "Invalid Fiber Number.\n Validate the Filename Convention.";

// The message that refuses a convention, or nothing when it is usable.
std::optional<std::string> ValidateFileNameConvention(std::u16string_view convention);

struct DecodedTraceName {
    std::u16string from;
    std::u16string to;
    std::u16string wavelength;
    int32_t fiber = 0;
};

// The instrument's own names: up to six dot-separated fields, and for each
// field position what it holds (the "NV8FN Format" numbers).
enum class InstrumentField : int32_t { Ignored = 0, From = 1, To = 2, Wavelength = 3, Fiber = 4 };
using InstrumentFormat = std::array<int32_t, 6>;
inline constexpr InstrumentFormat kDefaultInstrumentFormat = {1, 2, 3, 4, 0, 5};

// Reads the path's file name against the convention; nothing when the fibre
// digits are not a number (the caller shows kInvalidFiberNumberText).
std::optional<DecodedTraceName> DecodeTraceName(std::u16string_view path,
                                                std::u16string_view convention);

// Reads the path's file name as the instrument's dot-separated fields.
std::optional<DecodedTraceName> DecodeInstrumentTraceName(std::u16string_view path,
                                                          const InstrumentFormat& format);

// "1 2 3 4 0 5" as stored; missing or unreadable numbers keep the default's.
InstrumentFormat ParseInstrumentFormat(std::u16string_view text);

} // namespace orvane::bidir
