#include <gtest/gtest.h>

#include <string>

#include "code_page.h"
#include "table/alias_table.h"

namespace {

TEST(Quote, Table) {
  const struct {
    unsigned codePage;
    std::string token;
    std::string written;
  } cases[] = {
      {0, "ann", "ann"},
      {0, "front desk", "front\\ desk"},
      {0, "ed(temp)", "ed\\(temp\\)"},
      {0, "a\\b", "a\\\\b"},
      {0, "()", "\\(\\)"},
      {0, "\\ :,\"<>()", "\\\\\\ \\:\\,\\\"\\<\\>\\(\\)"},
      {0, "tab\there#x", "tab\there#x"},
      {0, "\x01\x7F\x80\xFF", "\x01\x7F\x80\xFF"},
      // An at sign anywhere keeps the token as it is.
      {0, "Ann Lee <ann@example.org>", "Ann Lee <ann@example.org>"},
      {0, "@ (x)", "@ (x)"},
      {0, "(x) \\@", "(x) \\@"},
      // Code page 932: second bytes are neither escaped nor at signs.
      {0, "\x95\x5C", "\x95\\\\"},
      {932, "\x95\x5C", "\x95\x5C"},
      {932, "\x81\x40 x", "\x81\x40\\ x"},
      {932, "\x81\x40@ x", "\x81\x40@ x"},
      {932, "\x81\x2C\x81\x3A\x81\x20\x81\x22\x81\x28", "\x81\x2C\x81\x3A\x81\x20\x81\x22\x81\x28"},
      {932, "\xA0\xFD\xFE (", "\xA0\xFD\xFE\\ \\("},
      // A lone lead byte at the end is copied and ends the token.
      {932, "a b\x95", "a\\ b\x95"},
      {932, "\x95", "\x95"},
      {932, "x\x95@", "x\x95@"},
      {932, "x\x81@", "x\x81@"},
  };
  for (const auto& c : cases) {
    ScopedCodePage codePage(c.codePage);
    EXPECT_EQ(CAliasTable::Quote(c.token), c.written) << testing::PrintToString(c.token);
  }
}

TEST(Quote, LongTokensAreEscapedWhole) {
  const std::string token(20000, '(');
  const std::string written = CAliasTable::Quote(token);
  ASSERT_EQ(written.size(), 40000u);
  EXPECT_EQ(written.substr(0, 4), "\\(\\(");
  EXPECT_EQ(written.substr(written.size() - 2), "\\(");
}

TEST(Escape, UsesTheGivenSet) {
  std::string out = "kept:";
  CAliasTable::Escape(out, "a-b c", "-");
  EXPECT_EQ(out, "kept:a\\-b c");
}

std::string Convert(const std::string& oldFile) {
  CAliasTable table;
  EXPECT_EQ(table.LoadBytes(oldFile, "old.txt"), 1);
  return table.NewFormatText();
}

TEST(NewFormat, Layout) {
  const struct {
    std::string oldFile;
    std::string newFile;
  } cases[] = {
      {"", ""},
      {"# comments only\n", ""},
      {"staff: ann, bob,\n      carol        # night shift\n",
       "staff          :ann\r\n"
       "                ,bob\r\n"
       "                ,carol\r\n"},
      {"front\\ desk: ed(temp), fay\nweekend-on-call: gus\nnight-shift-leads: dora, eve\n",
       "front\\ desk    :ed\\(temp\\)\r\n"
       "                ,fay\r\n"
       "weekend-on-call:gus\r\n"
       "night-shift-leads:dora\r\n"
       "                ,eve\r\n"},
      {"one: only\n", "one            :only\r\n"},
      {"fourteen\\ bytes: x\n", "fourteen\\ bytes:x\r\n"},
      {"a: Ann Lee <ann@example.org>, (b)\n",
       "a              :AnnLee<ann@example.org>\r\n"
       "                ,\\(b\\)\r\n"},
      {"a: Ann\\ Lee\\ <ann@example.org>\n", "a              :Ann Lee <ann@example.org>\r\n"},
      {"x@y: z\n", "x@y            :z\r\n"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Convert(c.oldFile), c.newFile) << c.oldFile;
  }
}

}  // namespace
