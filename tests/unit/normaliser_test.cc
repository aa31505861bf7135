#include "oldformat/normaliser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "code_page.h"
#include "oldformat/text_mode_input.h"

using namespace std::string_literals;

namespace {

constexpr std::size_t kAreaSize = 32000;
constexpr std::size_t kGuard = 64;
constexpr char kGuardByte = '\x5A';

// The area with guard bytes behind it, so a store past its end shows.
struct Area {
  std::vector<char> bytes = std::vector<char>(kAreaSize + kGuard, kGuardByte);
  bool GuardIntact() const {
    for (std::size_t i = kAreaSize; i < bytes.size(); ++i) {
      if (bytes[i] != kGuardByte) return false;
    }
    return true;
  }
};

// The normalised text up to its zero byte, or "<overflow>".
std::string Normalise(const std::vector<std::string_view>& blocks, Area& area) {
  TextNormaliser normaliser(area.bytes.data(), kAreaSize, LeadBytes());
  TextModeInput input(normaliser);
  for (std::string_view block : blocks) {
    if (!input.Feed(block)) return "<overflow>";
  }
  if (!input.Finish()) return "<overflow>";
  return std::string(area.bytes.data(), normaliser.StoredCount());
}

std::string Normalise(std::string_view oldFile) {
  Area area;
  return Normalise({oldFile}, area);
}

struct NormaliseCase {
  unsigned codePage;
  std::string oldFile;
  std::string text;
};

const NormaliseCase kCases[] = {
    // The format's own examples.
    {0, "staff: ann, bob   # day shift\nops: carol\n", "staff:ann,bob\nops:carol\n"},
    {0, "staff: ann,\n       bob\n", "staff:ann,bob\n"},
    {0, "staff: ann\n     , bob\nops\n  : carol, dave\n", "staff:ann,bob\nops:carol,dave\n"},
    {0, "\nstaff: ann\n\n    \nops: bob\n\n", "staff:ann\nops:bob\n"},
    {0, "night\\ shift: ann\n", "night shift:ann\n"},
    {0, "staff: ann\\", "staff:ann\n"},
    {0, "staff: ann,\n# bob left in May\n       carol\n", "staff:ann,carol\n"},
    {0, "room\\,2: ann\\#1\n", "room,2:ann#1\n"},
    {0, "staff: ann,\\\nbob\n", "staff:ann,\nbob\n"},
    {0, "staff: ann,\n, bob\n", "staff:ann,,bob\n"},
    {932, "staff: \x95\x5C, bob\n", "staff:\x95\x5C,bob\n"},
    {932, "staff: \\\x95\x5C, bob\n", "staff:\x95\x5C,bob\n"},
    // Empty results and dropped line feeds.
    {0, "", ""},
    {0, " \t\n# only a comment\n\n  \t # another\n", ""},
    {0, "\n\n\nstaff:a\n", "staff:a\n"},
    {0, "# first\nstaff:a", "staff:a\n"},
    {0, "\t staff \t: \t a \t\n", "staff:a\n"},
    // Continuations across empty, blank and comment lines.
    {0, "staff: a\n\n  \n# c\n, b\n", "staff:a,b\n"},
    {0, "staff\n\n# c\n: a\n", "staff:a\n"},
    {0, "staff: a,\n\n \t\n# c\nb\n", "staff:a,b\n"},
    {0, "staff: # the members follow\n ann\n", "staff:ann\n"},
    {0, ", ann\n", ",ann\n"},
    {0, "a:b\n:c", "a:b:c\n"},
    // Comments and escapes.
    {0, "staff: ann# no blank before\n", "staff:ann\n"},
    {0, "staff: ann \\# x\n", "staff:ann#x\n"},
    {0, "staff: a\\\\b\n", "staff:a\\b\n"},
    {0, "staff: a\\\tb\\ c\n", "staff:a\tb c\n"},
    {0, "\\\nstaff:a\n", "\nstaff:a\n"},
    {0, "a:b\n\\\n\\\nc:d\n", "a:b\n\n\nc:d\n"},
    {0, "a:b # c \\\nd:e\n", "a:b\nd:e\n"},
    // Text-mode input: CR LF, lone CR, 0x1A, zero bytes.
    {0, "a:b\r\nc:d\r\n", "a:b\nc:d\n"},
    {0, "a:b\r\r\n", "a:b\r\n"},
    {0, "a:\rb\n", "a:\rb\n"},
    {0, "a:b\r", "a:b\r\n"},
    {0, "a:b\r\x1A\n", "a:b\r\n"},
    {0, "\r\n\r\na:b", "a:b\n"},
    {0, "a: b # note\r\n, c\r\n", "a:b,c\n"},
    {0, "a:b\nc:d\x1A\ne:f\n", "a:b\nc:d\n"},
    {0, "\x1A" "a:b\n", ""},
    {0, "a:b # comment \x1A\nc:d\n", "a:b\n"},
    {0, "a:b\0c\n"s, "a:b\0c\n"s},
    {0, "\0:\n"s, "\0:\n"s},
    // Two-byte characters: the second byte has no effect of its own.
    {932, "a:\x95\nb:c\n", "a:\x95\nb:c\n"},
    {932, "\x95,:b\n", "\x95,:b\n"},
    {932, "a:\x95#x\n", "a:\x95#x\n"},
    {932, "a:\x95\\x\n", "a:\x95\\x\n"},
    {932, "a:\x95 x\n", "a:\x95 x\n"},
    {932, "a:\x81\x40,\x81:\n", "a:\x81\x40,\x81:\n"},
    {932, "a:\\\x95\\b\n", "a:\x95\\b\n"},
    {932, "staff:a\x95", "staff:a\x95\n"},
    {932, "staff:a\\", "staff:a\n"},
    // Inside a comment bytes are not paired.
    {932, "a:b # \x95\nc:d\n", "a:b\nc:d\n"},
    // Without a code page the same bytes are one-byte characters.
    {0, "staff: \x95\\, bob\n", "staff:\x95,bob\n"},
    {0, "a:\x95#x\n", "a:\x95\n"},
    // Code page 1361's gap: 0xD4 is no lead byte there.
    {1361, "a:\xD4\\,b\n", "a:\xD4,b\n"},
    {1361, "a:\xD8\\,b\n", "a:\xD8\\,b\n"},
};

TEST(Normaliser, Table) {
  for (const NormaliseCase& c : kCases) {
    ScopedCodePage codePage(c.codePage);
    EXPECT_EQ(Normalise(c.oldFile), c.text) << testing::PrintToString(c.oldFile);
  }
}

// Wherever the reads happen to cut the file, the text is the same.
TEST(Normaliser, BlockBoundariesChangeNothing) {
  for (const NormaliseCase& c : kCases) {
    ScopedCodePage codePage(c.codePage);
    const std::string_view whole = c.oldFile;
    for (std::size_t cut = 0; cut <= whole.size(); ++cut) {
      Area area;
      EXPECT_EQ(Normalise({whole.substr(0, cut), "", whole.substr(cut)}, area), c.text)
          << testing::PrintToString(c.oldFile) << " cut at " << cut;
    }
  }
}

TEST(Normaliser, EveryBlockOfOneByte) {
  const std::string oldFile = "a:b\r\r\n\r\nc: d # e \r\n, f\r";
  std::vector<std::string_view> blocks;
  for (std::size_t i = 0; i < oldFile.size(); ++i) blocks.push_back({&oldFile[i], 1});
  Area area;
  EXPECT_EQ(Normalise(blocks, area), "a:b\r\nc:d,f\r\n");
}

TEST(Normaliser, ZeroByteEndsTheArea) {
  Area area;
  ASSERT_EQ(Normalise({"a: b\n"}, area), "a:b\n");
  EXPECT_EQ(area.bytes[4], '\0');
}

// The area holds at most 31,999 stored bytes and the zero after them.
TEST(Normaliser, Capacity) {
  const std::string full(31998, 'x');  // one byte short of the limit
  const struct {
    unsigned codePage;
    std::string oldFile;
    bool fits;
  } cases[] = {
      {0, full + "\n", true},
      {0, full + "\n\n\n", false},  // a line feed that would be dropped still fails
      {0, full + "\n,", false},     // so does a comma that would only overwrite
      {0, full + "\n:", false},
      {0, full + "\n \t# comment body\n \t", true},
      {0, full + "x", false},       // no room for the final line feed
      {0, full + "x#c\n", false},   // a comment's line feed
      {0, full + "\n\\a", false},   // an escaped byte
      {0, full.substr(1) + "\\a\n", true},
      {932, full + "\n\x95", false},      // a lead byte
      {932, full + "\x95\x5C", false},    // its second byte
      {932, full.substr(2) + "\x95\x5C\n", true},
      {0, std::string(100000, ' ') + "a:b\n" + std::string(100000, '#'), true},
  };
  for (const auto& c : cases) {
    ScopedCodePage codePage(c.codePage);
    Area area;
    const std::string text = Normalise({c.oldFile}, area);
    EXPECT_EQ(text != "<overflow>", c.fits) << c.oldFile.size() << " bytes ending "
                                            << testing::PrintToString(c.oldFile.substr(
                                                   c.oldFile.size() - 4));
    EXPECT_TRUE(area.GuardIntact());
    if (c.fits) {
      EXPECT_EQ(area.bytes[text.size()], '\0');
    }
  }
}

TEST(Normaliser, ExactFitPutsTheZeroAtTheLastByte) {
  Area area;
  const std::string text = Normalise({std::string(31998, 'x') + "\n"}, area);
  ASSERT_EQ(text.size(), 31999u);
  EXPECT_EQ(area.bytes[31999], '\0');
  EXPECT_TRUE(area.GuardIntact());
}

}  // namespace
