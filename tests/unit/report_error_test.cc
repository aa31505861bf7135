#include "driver/report_error.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Format(const char* format, ...) {
  char area[kMessageAreaSize];
  std::va_list args;
  va_start(args, format);
  const std::size_t length = FormatErrorMessage(area, sizeof area, format, args);
  va_end(args);
  EXPECT_EQ(area[length], '\0');
  return std::string(area, length);
}

TEST(ReportError, Formats) {
  EXPECT_EQ(Format("not enough memory"), "not enough memory");
  EXPECT_EQ(Format("can't open %s", "a%d%s%%b"), "can't open a%d%s%%b");
  EXPECT_EQ(Format("<:> missing:\n\n%s\n(%s)\n", "line", "path"),
            "<:> missing:\n\nline\n(path)\n");
  EXPECT_EQ(Format("no conversion", "ignored"), "no conversion");
}

TEST(ReportError, CutsAfter1023Bytes) {
  const std::string line(2000, 'x');
  const std::string message = Format("format error at:\n\n%s\n\n", line.c_str());
  EXPECT_EQ(message, "format error at:\n\n" + std::string(1023 - 18, 'x'));
}

TEST(ReportError, WritesTheBytesOnly) {
  testing::internal::CaptureStderr();
  ReportError("Can't open %s", "x%sy");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Can't open x%sy");
}

}  // namespace
