#include "shapes.h"

#include <array>
#include <cstdlib>
#include <cstdio>
#include <vector>

#include "common/lead_bytes.h"
#include "oldformat/text_mode_input.h"
#include "table/alias_table.h"

namespace {

struct ShapeInfo {
  Shape shape;
  std::string_view name;
};

constexpr ShapeInfo kShapes[] = {
    {Shape::kSmall, "small"},
    {Shape::kOneLine, "one-line"},
    {Shape::kManyAliases, "many-aliases"},
    {Shape::kEscapedTokens, "escaped-tokens"},
    {Shape::kContinued, "continued"},
    {Shape::kCodePage932, "cp932"},
    {Shape::kComments, "comments"},
};

constexpr std::size_t kTokenKiB = 1024;

// Bytes the writer escapes, as the old file spells them: the blank and the
// backslash need a backslash there too, the others are ordinary bytes.
constexpr std::array<std::string_view, 7> kEscapedInOld = {"(", ")", "<", ">", "\"", "\\ ",
                                                            "\\\\"};

// Two-byte characters of code page 932; several have a second byte that is a
// backslash, an at sign, a grave accent or a vertical bar on its own.
constexpr std::array<std::string_view, 10> kKanji = {
    "\x95\x5C", "\x83\x5C", "\x81\x40", "\x88\x9F", "\x8E\x81",
    "\x82\xA0", "\x93\x60", "\xE0\x7C", "\x96\x5C", "\x89\xEF"};

constexpr std::string_view kFirstNames[] = {
    "ann",  "bob",  "carol", "dave", "erin",  "fay",  "gus",  "hana", "ivan", "jade",
    "kurt", "lena", "mo",    "nils", "olga",  "pete", "quin", "rosa", "sven", "tara",
    "ugo",  "vera", "walt",  "xena", "yusuf", "zoe"};

constexpr std::string_view kTeams[] = {"sales", "ops",   "front-desk", "night-shift", "legal",
                                       "it",    "staff", "kitchen",    "reception",   "board"};

constexpr std::string_view kCommentBlock =
    "# ----------------------------------------------------------------------\n"
    "# Distribution lists of the front office, kept by the help desk.\n"
    "\n"
    "        # Members who left are kept here until the end of the quarter.\n"
    "    \t    \n"
    "\r\n"
    "#\tNight shift: see the rota in the shared folder.\r\n"
    "          \n"
    "\n";

// base-26 letters of i, at least width of them.
std::string Letters(std::size_t i, std::size_t width) {
  std::string s;
  do {
    s.insert(s.begin(), static_cast<char>('a' + i % 26));
    i /= 26;
  } while (i > 0 || s.size() < width);
  return s;
}

std::string SmallFile() {
  std::string old =
      "# Mail aliases of the front office.\n"
      "# Comments and blank lines are not carried over.\n"
      "\n";
  for (std::size_t a = 0; a < 50; ++a) {
    const std::string_view team = kTeams[a % std::size(kTeams)];
    std::string name(team);
    name += '-';
    name += Letters(a, 1);
    if (a % 10 == 0) {
      old += "\n# ";
      old += team;
      old += " and friends\n";
    }
    const std::size_t members = 1 + a % 6;
    old += name;
    old += a % 7 == 3 ? "\n    : " : ":\t";
    for (std::size_t m = 0; m < members; ++m) {
      const std::string_view who = kFirstNames[(a * 7 + m * 3) % std::size(kFirstNames)];
      if (m > 0) old += m % 3 == 0 ? ",\n\t\t" : ", ";
      switch ((a + m) % 5) {
        case 0:
          old += who;
          old += "@example.org";
          break;
        case 1:
          old += who;
          old += "\\ Day\\ <";
          old += who;
          old += "@example.com>";
          break;
        case 2:
          old += who;
          old += "(temp)";
          break;
        default:
          old += who;
      }
    }
    old += a % 4 == 1 ? "\t\t# on call\n" : "\n";
  }
  return old;
}

std::string CommentFile(std::size_t size) {
  std::string head = SmallFile();
  const std::string_view tail = "last: reader@example.org\r\n";
  if (size < head.size() + tail.size()) size = head.size() + tail.size();
  std::string old;
  old.reserve(size);
  old += head;
  const std::size_t fillEnd = size - tail.size();
  while (old.size() + kCommentBlock.size() <= fillEnd) old += kCommentBlock;
  if (old.size() < fillEnd) {
    old += '#';
    old.append(fillEnd - old.size(), ' ');
    old.back() = '\n';
  }
  old += tail;
  return old;
}

// The text shapes are drafted a few bytes short of their size and then
// padded at the start of the first name, which adds one normalised byte per
// letter.
std::string OneLine(std::size_t size) {
  std::string old = "a:b";
  while (old.size() + 2 + 1 <= size) old += ",b";
  return old + "\n";
}

std::string ManyAliases(std::size_t size) {
  std::string old;
  while (old.size() + 4 <= size) old += "a:b\n";
  return old;
}

std::string EscapedToken(std::size_t length, std::size_t seed) {
  std::string token;
  for (std::size_t i = 0; i < length; ++i) token += kEscapedInOld[(i + seed) % kEscapedInOld.size()];
  return token;
}

std::string EscapedTokens(std::size_t size) {
  // A line is a 1 KiB name, a colon, a member and a line feed; members
  // double from 1 KiB, the last line takes what is left.
  const std::size_t smallestLine = kTokenKiB + 1 + kTokenKiB + 1;
  std::string old = "a";
  std::size_t used = 1;
  std::size_t member = kTokenKiB;
  for (std::size_t line = 0; size - used >= smallestLine; ++line, member *= 2) {
    std::size_t rest = size - used - (kTokenKiB + 2);
    if (rest < member + smallestLine) member = rest;
    old += EscapedToken(kTokenKiB - (line == 0 ? 1 : 0), line);
    old += ':';
    old += EscapedToken(member, line + 3);
    old += '\n';
    used += kTokenKiB + 2 + member - (line == 0 ? 1 : 0);
  }
  return old;
}

std::string Continued(std::size_t size) {
  std::string old = "a:\n";
  std::size_t used = 2 + 1;
  for (std::size_t m = 0; used + 4 + 1 <= size; ++m) {
    old += m % 2 == 0 ? "    m" : "  , m";
    old += Letters(m, 2).substr(0, 2);
    old += m % 2 == 0 ? "\n" : ",\n";
    used += 4;
  }
  return old;
}

std::string CodePage932(std::size_t size) {
  std::string old;
  std::size_t used = 0;
  for (std::size_t line = 0; used + 16 <= size; ++line) {
    std::string text = "a";
    text += kKanji[line % kKanji.size()];
    text += kKanji[(line + 1) % kKanji.size()];
    text += ':';
    std::size_t normalised = text.size() + 1;
    for (std::size_t m = 0; m < 10 && used + normalised + 5 <= size; ++m) {
      if (m > 0) text += ", ";
      text += kKanji[(line + m) % kKanji.size()];
      text += kKanji[(line * 3 + m) % kKanji.size()];
      normalised += m > 0 ? 5 : 4;
    }
    if (text.back() == ':') break;
    old += text;
    old += '\n';
    used += normalised;
  }
  return old;
}

std::string FitText(std::string draft, std::size_t size, unsigned codePage) {
  const std::size_t have = NormalisedSize(draft, codePage);
  if (have > size) {
    std::fprintf(stderr, "draft of %zu normalised bytes is over %zu\n", have, size);
    std::abort();
  }
  draft.insert(0, size - have, 'a');
  return draft;
}

}  // namespace

std::size_t NormalisedSize(std::string_view old, unsigned codePage) {
  static char area[CAliasTable::kTextSize];
  bool known = false;
  if (!NormaliseOldFile(old, area, sizeof area, BuiltinLeadBytes(codePage, &known))) {
    return sizeof area;
  }
  return std::char_traits<char>::length(area);
}

bool ShapeByName(std::string_view name, Shape* shape) {
  for (const ShapeInfo& info : kShapes) {
    if (info.name == name) {
      *shape = info.shape;
      return true;
    }
  }
  return false;
}

std::string_view ShapeName(Shape shape) {
  for (const ShapeInfo& info : kShapes) {
    if (info.shape == shape) return info.name;
  }
  return "?";
}

unsigned ShapeCodePage(Shape shape) { return shape == Shape::kCodePage932 ? 932 : 0; }

bool SizeIsOldFileBytes(Shape shape) { return shape == Shape::kComments; }

std::string MakeOldFile(Shape shape, std::size_t size) {
  switch (shape) {
    case Shape::kSmall:
      return SmallFile();
    case Shape::kComments:
      return CommentFile(size);
    case Shape::kOneLine:
      return FitText(OneLine(size), size, 0);
    case Shape::kManyAliases:
      return FitText(ManyAliases(size), size, 0);
    case Shape::kEscapedTokens:
      return FitText(EscapedTokens(size), size, 0);
    case Shape::kContinued:
      return FitText(Continued(size), size, 0);
    case Shape::kCodePage932:
      return FitText(CodePage932(size), size, 932);
  }
  return {};
}
