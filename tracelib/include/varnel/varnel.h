// Varnel: the OTDR trace library. One include gives the whole interface: the
// trace record CT6 and the T6... free functions, by area. The helpers that
// users share with the library (<varnel/text_codec.h>, <varnel/file_io.h>,
// <varnel/outside_library.h>) are included where they are needed.
//
// Conventions: text is UTF-16 in char16_t buffers that the caller supplies
// (string accessors write into the buffer and return it); 32-bit integers are
// int32_t, flag words uint32_t, DP fractions uint16_t; out-parameters are
// references. Operations report through return values, never exceptions.
#pragma once

#include <varnel/analysis.h>
#include <varnel/codes.h>
#include <varnel/printinfo.h>
#include <varnel/record.h>
#include <varnel/settings.h>
