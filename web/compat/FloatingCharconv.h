// std::from_chars and std::to_chars for double (and the shortest fixed to_chars for float), which
// the libc++ of Debian's emscripten 3.1.6 lacks (libc++ 14 has only the integer forms). The browser
// build includes this header in the layers that read and write numbers as text (web/CMakeLists.txt
// does so only where the check finds them missing). from_chars reads what the standard's reads: an
// optional '-', digits with an optional point, an exponent unless the format is fixed, or inf /
// infinity / nan; no '+', no hexadecimal, no leading blanks. The digits it takes go to strtod, and
// to_chars with a precision writes through snprintf; in WebAssembly both always use the "C" locale.
#pragma once

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <system_error>

namespace std {

inline from_chars_result from_chars(const char* first, const char* last, double& value,
                                    chars_format format = chars_format::general) {
    const auto digitsFrom = [last](const char* p) {
        while (p < last && *p >= '0' && *p <= '9') ++p;
        return p;
    };
    const auto lower = [](char c) { return char(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); };
    const auto startsWith = [&](const char* p, const char* word) {
        for (; *word; ++p, ++word)
            if (p >= last || lower(*p) != *word) return false;
        return true;
    };
    const char* p = first;
    if (p < last && *p == '-') ++p;
    const char* end = nullptr;
    if (startsWith(p, "infinity"))
        end = p + 8;
    else if (startsWith(p, "inf") || startsWith(p, "nan"))
        end = p + 3;
    else {
        const char* integerEnd = digitsFrom(p);
        end = integerEnd;
        if (end < last && *end == '.') end = digitsFrom(end + 1);
        if (integerEnd == p && end - p <= 1) return {first, errc::invalid_argument};
        if (format != chars_format::fixed && end < last && (*end == 'e' || *end == 'E')) {
            const char* exponent = end + 1;
            if (exponent < last && (*exponent == '+' || *exponent == '-')) ++exponent;
            if (digitsFrom(exponent) > exponent) end = digitsFrom(exponent);
        }
    }
    const string text(first, end);
    errno = 0;
    const double parsed = strtod(text.c_str(), nullptr);
    if (errno == ERANGE) return {end, errc::result_out_of_range};
    value = parsed;
    return {end, errc()};
}

inline to_chars_result to_chars(char* first, char* last, double value, chars_format format,
                                int precision) {
    const char* pattern = format == chars_format::fixed        ? "%.*f"
                          : format == chars_format::scientific ? "%.*e"
                                                               : "%.*g";
    const int length = snprintf(nullptr, 0, pattern, precision, value);
    if (length < 0 || length >= last - first + 1 || length > 4096)
        return {last, errc::value_too_large};
    string text(size_t(length) + 1, '\0');
    snprintf(text.data(), text.size(), pattern, precision, value);
    text.copy(first, size_t(length));
    return {first + length, errc()};
}

// The shortest fixed-point text that reads back as the same float: the fewest decimals for which
// strtof gives the value again.
inline to_chars_result to_chars(char* first, char* last, float value, chars_format format) {
    if (format != chars_format::fixed) return {last, errc::invalid_argument};
    for (int precision = 0;; ++precision) {
        const to_chars_result written = to_chars(first, last, double(value), format, precision);
        if (written.ec != errc()) return written;
        if (strtof(string(first, written.ptr).c_str(), nullptr) == value || precision >= 60)
            return written;
    }
}

} // namespace std
