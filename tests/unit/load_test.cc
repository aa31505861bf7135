#include <gtest/gtest.h>

#include <string>

#include "code_page.h"
#include "table/alias_table.h"

using namespace std::string_literals;

namespace {

// The table as "name:member,member|name:member".
std::string Describe(const CAliasTable& table) {
  std::string out;
  for (std::size_t i = 0; i < table.Names().size(); ++i) {
    if (i > 0) out += '|';
    out += table.Names()[i];
    if (i >= table.MemberListCount()) break;
    out += ':';
    const CStringArraySlice members = table.Members(i);
    for (std::size_t m = 0; m < members.size(); ++m) {
      if (m > 0) out += ',';
      out += members[m];
    }
  }
  return out;
}

struct LoadCase {
  unsigned codePage;
  std::string oldFile;
  int result;
  std::string table;
  std::string message;
};

TEST(Load, Table) {
  const LoadCase cases[] = {
      {0, "staff: ann, bob\nops: carol\n", 1, "staff:ann,bob|ops:carol", ""},
      {0, "staff::ann,,bob,\n", 1, "staff:ann,bob", ""},
      {0, ":staff:ann\n", 1, "staff:ann", ""},
      {0, "staff,ann:bob\n", 1, "staff:ann,bob", ""},
      {0, "", 1, "", ""},
      {0, "# nothing but comments\n\n   \n", 1, "", ""},
      {0, "dup: a\ndup: b\n", 1, "dup:a|dup:b", ""},
      {0, "staff,ann,bob\n", 0, "", "<:> missing:\n\nstaff,ann,bob\n(old.txt)\n"},
      {0, "staff ann, bob\n", 0, "", "<:> missing:\n\nstaffann,bob\n(old.txt)\n"},
      {0, "staff:\n", 0, "", "format error at:\n\nstaff:\n\n"},
      {0, ":,:\n", 0, "", "format error at:\n\n:,:\n\n"},
      {0, "\\\na:b\n", 0, "", "<:> missing:\n\n\n(old.txt)\n"},
      {0, "a:1\nb:2\nc:3\nd:4\ne\nf:\n", 0, "a:1|b:2|c:3|d:4", "<:> missing:\n\ne\n(old.txt)\n"},
      {0, "a:1\n\\:b\nc\n", 0, "a:1", "format error at:\n\n:b\n\n"},
      {0, "a 50%s %d\n", 0, "", "<:> missing:\n\na50%s%d\n(old.txt)\n"},
      // A zero byte ends the text: at a line's start, and inside a line,
      // which then ends there.
      {0, "a:b\n\0c\nd:e\n"s, 1, "a:b", ""},
      {0, "a:b\0c,d\ne:f\n"s, 1, "a:b", ""},
      {0, "a:b,c\0\ne\n"s, 1, "a:b,c", ""},
      {0, "ab\0:c\n"s, 0, "", "<:> missing:\n\nab\n(old.txt)\n"},
      {0, "a:\0\n"s, 0, "", "format error at:\n\na:\n\n"},
      // Code page 932: the colon test is byte-wise, the split is not.
      {932, "staff\x81:ann\n", 0, "", "format error at:\n\nstaff\x81:ann\n\n"},
      {932, "staff\x81:ann,bob\n", 1, "staff\x81:ann:bob", ""},
      {932, "staff:ann,\x95\nbob:c\n", 1, "staff:ann|bob:c", ""},
      {932, "staff:\x95", 0, "", "format error at:\n\nstaff:\x95\n\n"},
      {932, "staff:ann\x95", 1, "staff:ann\x95", ""},
      {932, "\x95\x5C:\x81\x40,\x81\x2C\n", 1, "\x95\x5C:\x81\x40,\x81\x2C", ""},
  };
  for (const LoadCase& c : cases) {
    ScopedCodePage codePage(c.codePage);
    CAliasTable table;
    testing::internal::CaptureStderr();
    const int result = table.LoadBytes(c.oldFile, "old.txt");
    const std::string message = testing::internal::GetCapturedStderr();
    EXPECT_EQ(result, c.result) << testing::PrintToString(c.oldFile);
    EXPECT_EQ(Describe(table), c.table) << testing::PrintToString(c.oldFile);
    EXPECT_EQ(message, c.message) << testing::PrintToString(c.oldFile);
  }
}

TEST(Load, OverflowIsReported) {
  CAliasTable table;
  testing::internal::CaptureStderr();
  EXPECT_EQ(table.LoadBytes(std::string(32000, 'x'), "old.txt"), 0);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "alias data buffer overflow");
  EXPECT_TRUE(table.Names().empty());
}

TEST(Load, EmptiesTheTableFirstEvenWhenReadingFails) {
  CAliasTable table;
  ASSERT_EQ(table.LoadBytes("a:b\nc:d\n", "old.txt"), 1);
  testing::internal::CaptureStderr();
  EXPECT_EQ(table.Load("no/such/old.txt"), 0);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "can't open no/such/old.txt");
  EXPECT_TRUE(table.Names().empty());
  EXPECT_EQ(table.MemberListCount(), 0u);
}

// Room for the member lists is sized from the file being loaded: a second
// load into the same table, with more or fewer lines, holds its own aliases.
TEST(Load, ReloadHoldsOnlyTheNewFile) {
  const struct {
    std::string first, second, table;
  } cases[] = {
      {"a:b\n", "c:d,e\nf:g\nh:i\n", "c:d,e|f:g|h:i"},
      {"a:b\nc:d\ne:f,g\n", "h:i,j\n", "h:i,j"},
      {"a:b\n", "c:\n", ""},
  };
  for (const auto& c : cases) {
    CAliasTable table;
    ASSERT_EQ(table.LoadBytes(c.first, "old.txt"), 1) << c.first;
    testing::internal::CaptureStderr();
    table.LoadBytes(c.second, "old.txt");
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(Describe(table), c.table) << c.second;
    EXPECT_EQ(table.MemberListCount(), table.Names().size());
  }
}

TEST(Load, LongestLineIsAccepted) {
  std::string oldFile = "n:" + std::string(31996, 'm') + "\n";
  CAliasTable table;
  ASSERT_EQ(table.LoadBytes(oldFile, "old.txt"), 1);
  EXPECT_EQ(table.Members(0)[0].size(), 31996u);
}

}  // namespace
