#include "table/split_tokens.h"

#include <gtest/gtest.h>

#include "code_page.h"

namespace {

struct SplitCase {
  unsigned codePage;
  std::string text;
  CStringArray tokens;
};

TEST(SplitTokens, Table) {
  const SplitCase cases[] = {
      {0, "staff:ann,bob,carol", {"staff", "ann", "bob", "carol"}},
      {0, "staff::ann,,bob,", {"staff", "ann", "bob"}},
      {0, ":staff:ann", {"staff", "ann"}},
      {0, "staff,ann:bob", {"staff", "ann", "bob"}},
      {0, "staff:", {"staff"}},
      {0, ":,:", {}},
      {0, "", {}},
      {0, ",,,a,,,", {"a"}},
      {0, "x", {"x"}},
      // Bytes above 0x7F are one-byte characters without a code page.
      {0, "a\x95:b", {"a\x95", "b"}},
      // Code page 932: a delimiter as second byte does not cut.
      {932, "a\x95:b", {"a\x95:b"}},
      {932, "a\x81,b:c", {"a\x81,b", "c"}},
      // A lone lead byte alone at the end is no token; a longer piece keeps it.
      {932, "staff:\x95", {"staff"}},
      {932, "staff:ann,\x95", {"staff", "ann"}},
      {932, "staff:ann\x95", {"staff", "ann\x95"}},
      {932, "\x95", {}},
      {932, "\x95\x95", {"\x95\x95"}},
      {932, "\x95\x95\x95", {"\x95\x95\x95"}},
  };
  for (const SplitCase& c : cases) {
    ScopedCodePage codePage(c.codePage);
    CStringArray tokens = {"left over"};
    EXPECT_EQ(SplitTokens(tokens, c.text, ":,"), static_cast<int>(c.tokens.size())) << c.text;
    EXPECT_EQ(tokens, c.tokens) << c.text;
  }
}

}  // namespace
