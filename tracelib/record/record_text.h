// Helpers for the record's fixed-capacity text fields and owned arrays.
#pragma once

#include "record/wide_text.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace varnel {

// Stores text into a field, at most `limit` characters and never more than
// the field holds; always terminated.
template <size_t N>
char16_t* setField(char16_t (&field)[N], const char16_t* text, size_t limit = N - 1) {
    return copyTruncated(field, text, limit < N - 1 ? limit : N - 1);
}

// Copies a field into a caller's buffer of at least the field's size.
template <size_t N> char16_t* getField(char16_t* out, const char16_t (&field)[N]) {
    if (!out) return out;
    return copyTruncated(out, field, N - 1);
}

// Gives the memory back, not just the elements.
template <class T> void releaseArray(std::vector<T>& array) {
    std::vector<T>().swap(array);
}

// The element at i, or null when i lies outside the array.
template <class T> T* entryAt(std::vector<T>& array, int32_t i) {
    return i >= 0 && static_cast<size_t>(i) < array.size() ? &array[static_cast<size_t>(i)]
                                                           : nullptr;
}
template <class T> const T* entryAt(const std::vector<T>& array, int32_t i) {
    return i >= 0 && static_cast<size_t>(i) < array.size() ? &array[static_cast<size_t>(i)]
                                                           : nullptr;
}

} // namespace varnel

namespace varnel {

// Copies up to n elements from index i of an array; only the part that lies
// inside the array is copied. Returns the number of elements copied.
template <class T> int32_t copyOutOf(const std::vector<T>& array, int32_t i, int32_t n, T* out) {
    if (!out || i < 0 || n <= 0 || static_cast<size_t>(i) >= array.size()) return 0;
    size_t count = std::min(static_cast<size_t>(n), array.size() - static_cast<size_t>(i));
    std::copy_n(array.begin() + i, count, out);
    return static_cast<int32_t>(count);
}

template <class T> int32_t copyInto(std::vector<T>& array, int32_t i, int32_t n, const T* in) {
    if (!in || i < 0 || n <= 0 || static_cast<size_t>(i) >= array.size()) return 0;
    size_t count = std::min(static_cast<size_t>(n), array.size() - static_cast<size_t>(i));
    std::copy_n(in, count, array.begin() + i);
    return static_cast<int32_t>(count);
}

} // namespace varnel
