#include "driver/report_error.h"

#include <cstdio>

std::size_t FormatErrorMessage(char* area, std::size_t size, const char* format, std::va_list args) {
  std::size_t length = 0;
  auto put = [&](char c) {
    if (length + 1 < size) area[length++] = c;
  };
  for (const char* p = format; *p != '\0'; ++p) {
    if (p[0] == '%' && p[1] == 's') {
      for (const char* arg = va_arg(args, const char*); *arg != '\0'; ++arg) put(*arg);
      ++p;
    } else {
      put(*p);
    }
  }
  area[length] = '\0';
  return length;
}

void ReportError(const char* format, ...) {
  static char area[kMessageAreaSize];
  std::va_list args;
  va_start(args, format);
  const std::size_t length = FormatErrorMessage(area, sizeof area, format, args);
  va_end(args);
  std::fwrite(area, 1, length, stderr);
}
