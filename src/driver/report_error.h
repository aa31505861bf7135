#pragma once

#include <cstdarg>
#include <cstddef>

/// Size of the message area, its terminating zero included.
constexpr std::size_t kMessageAreaSize = 1024;

/// Formats format into area[0..size): each "%s" takes the next argument as a
/// zero-terminated string, every other byte is copied; the result is cut to
/// size - 1 bytes and always ends with a zero. Returns its length.
std::size_t FormatErrorMessage(char* area, std::size_t size, const char* format, std::va_list args);

/// Writes one error message to standard error, formatted as FormatErrorMessage
/// does into a 1,024-byte area; adds nothing of its own.
void ReportError(const char* format, ...);
