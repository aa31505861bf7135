#include "common/lead_bytes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Ranges(const LeadByteSet& set) {
  std::string out;
  for (int b = 0; b < 256; ++b) {
    if (!set.Contains(static_cast<unsigned char>(b))) continue;
    if (b == 0 || !set.Contains(static_cast<unsigned char>(b - 1))) {
      char start[8];
      std::snprintf(start, sizeof start, "%02X-", b);
      out += start;
    }
    if (b == 255 || !set.Contains(static_cast<unsigned char>(b + 1))) {
      char end[8];
      std::snprintf(end, sizeof end, "%02X ", b);
      out += end;
    }
  }
  return out;
}

TEST(LeadBytes, BuiltInCodePages) {
  const struct {
    unsigned codePage;
    const char* ranges;
  } cases[] = {
      {932, "81-9F E0-FC "},
      {936, "81-FE "},
      {949, "81-FE "},
      {950, "81-FE "},
      {1361, "81-D3 D8-DE E0-F9 "},
  };
  for (const auto& c : cases) {
    bool known = false;
    EXPECT_EQ(Ranges(BuiltinLeadBytes(c.codePage, &known)), c.ranges) << c.codePage;
    EXPECT_TRUE(known) << c.codePage;
    EXPECT_EQ(Ranges(LeadBytesForCodePage(c.codePage)), c.ranges) << c.codePage;
  }
}

TEST(LeadBytes, OtherCodePagesAreNotBuiltIn) {
  for (unsigned codePage : {0u, 437u, 1252u, 65001u}) {
    bool known = true;
    EXPECT_TRUE(BuiltinLeadBytes(codePage, &known).IsEmpty()) << codePage;
    EXPECT_FALSE(known) << codePage;
  }
}

TEST(LeadBytes, ZeroIsNeverALeadByte) {
  LeadByteSet set;
  set.AddRange(0x00, 0x02);
  EXPECT_FALSE(set.Contains('\0'));
  EXPECT_TRUE(set.Contains('\x01'));
}

TEST(LeadBytes, CharsetNames) {
  const struct {
    const char* charset;
    unsigned codePage;
  } cases[] = {
      {"SHIFT_JIS", 932}, {"sjis", 932},      {"Shift-JIS", 932},    {"CP932", 932},
      {"windows-31j", 932}, {"GBK", 936},     {"cp936", 936},        {"GB2312", 936},
      {"EUC-CN", 936},    {"gb18030", 936},   {"EUC-KR", 949},       {"CP949", 949},
      {"UHC", 949},       {"BIG5", 950},      {"Big5-HKSCS", 950},   {"CP950", 950},
      {"JOHAB", 1361},    {"cp1361", 1361},   {"UTF-8", 0},          {"ANSI_X3.4-1968", 0},
      {"ISO-8859-1", 0},  {"", 0},            {"EUC-JP", 0},         {"SHIFT_JISX", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(CodePageForCharset(c.charset), c.codePage) << c.charset;
}

}  // namespace
