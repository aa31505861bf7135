#include "driver/convert_bytes.h"

#include <gtest/gtest.h>

#include <string>

#include "code_page.h"

namespace {

LeadByteSet CodePage(unsigned codePage) {
  bool known = false;
  return BuiltinLeadBytes(codePage, &known);
}

// The same bytes under two code pages: in 932 the 0x5C after 0x95 is the
// second byte of a character, elsewhere it escapes the colon after it.
TEST(ConvertBytes, HonoursTheGivenLeadBytes) {
  const struct {
    unsigned codePage;
    std::string oldFile;
    int result;
    std::string newFile;
    std::string message;
  } cases[] = {
      {932, "\x95\x5C: a(b)\n", 1, "\x95\x5C             :a\\(b\\)\r\n", ""},
      {0, "\x95\x5C: a(b)\n", 1, "\x95              :a\\(b\\)\r\n", ""},
      {936, "", 1, "", ""},
      {949, "x\n", 0, "unchanged", "<:> missing:\n\nx\n(in memory)\n"},
      {1361, std::string(32000, 'x'), 0, "unchanged", "alias data buffer overflow"},
  };
  ScopedCodePage inForce(950);
  for (const auto& c : cases) {
    CAliasTable table;
    std::string newFile = "unchanged";
    testing::internal::CaptureStderr();
    const int result = ConvertBytes(table, c.oldFile, CodePage(c.codePage), "in memory", newFile);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), c.message) << c.codePage;
    EXPECT_EQ(result, c.result) << c.codePage;
    EXPECT_EQ(newFile, c.newFile) << c.codePage;
    EXPECT_EQ(LeadBytes(), CodePage(950));
  }
}

}  // namespace
