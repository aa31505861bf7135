// Code pages that are not built in are described by the system (GetCPInfoExA).
#include <gtest/gtest.h>

#include <cstdlib>
#include <initializer_list>
#include <string>
#include <utility>

#include "code_page.h"
#include "common/lead_bytes.h"

namespace {

LeadByteSet Ranges(std::initializer_list<std::pair<unsigned char, unsigned char>> ranges) {
  LeadByteSet set;
  for (const auto& [first, last] : ranges) set.AddRange(first, last);
  return set;
}

TEST(LeadBytesWin32, OtherCodePagesAreAskedOfTheSystem) {
  const struct {
    unsigned codePage;
    LeadByteSet expected;
  } cases[] = {
      {20932, Ranges({{0x8E, 0x8E}, {0xA1, 0xFE}})},  // EUC-JP: two-byte
      {10001, Ranges({{0x81, 0x9F}, {0xE0, 0xFC}})},  // Mac Japanese: two-byte
      {1252, LeadByteSet()},                          // Western: one byte
      {437, LeadByteSet()},                           // OEM United States: one byte
      {65000, LeadByteSet()},                         // UTF-7: no lead bytes reported
      {12345, LeadByteSet()},                         // no such code page
  };
  for (const auto& c : cases) {
    EXPECT_TRUE(LeadBytesForCodePage(c.codePage) == c.expected) << c.codePage;
  }
}

// The built-in ranges win over what the system would report.
TEST(LeadBytesWin32, BuiltInCodePagesAreNotAsked) {
  bool known = false;
  EXPECT_TRUE(LeadBytesForCodePage(1361) == BuiltinLeadBytes(1361, &known));
  EXPECT_TRUE(known);
}

// Run with ALIASCONV_EXPECTED_CODE_PAGE set by the build, once per locale.
TEST(SystemCodePage, FollowsTheLocale) {
  const char* expected = std::getenv("ALIASCONV_EXPECTED_CODE_PAGE");
  if (expected == nullptr) GTEST_SKIP() << "ALIASCONV_EXPECTED_CODE_PAGE is not set";
  const unsigned codePage = static_cast<unsigned>(std::stoul(expected));
  EXPECT_EQ(SystemCodePage(), codePage);
  ScopedCodePage saved(0);
  InitLeadBytesFromSystem();
  EXPECT_TRUE(LeadBytes() == LeadBytesForCodePage(codePage));
}

}  // namespace
