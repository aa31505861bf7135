// Checks that the examples of the format guide are the end-to-end case files
// they name, byte for byte, so the guide cannot drift from the program.
//
// An example is a fenced block right after a line "<!-- case: NAME/FILE -->"
// and shows the file FILE of the case folder NAME. The new format's CR LF line
// ends are shown as plain lines: a block for an expected.new file stands for
// its lines, each ended by CR LF.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "support/file_bytes.h"

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kMarkerLead = "<!-- case";
constexpr std::string_view kMarkerStart = "<!-- case: ";
constexpr std::string_view kMarkerEnd = " -->";
constexpr std::string_view kFence = "```";

struct Example {
  int line = 0;                      // of the marker, counted from 1
  std::string file;                  // NAME/FILE as the marker gives it
  std::optional<std::string> shown;  // the block's lines; none when no block follows
};

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    // The guide may be checked out with CR LF line ends.
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

// A marker that does not parse still yields an example, with an empty file
// name, so that a misspelt marker fails instead of hiding its block.
std::vector<Example> Examples(const std::string& guide) {
  const std::vector<std::string> lines = Lines(guide);
  std::vector<Example> examples;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& marker = lines[i];
    if (!marker.starts_with(kMarkerLead)) continue;
    Example example;
    example.line = static_cast<int>(i + 1);
    if (marker.starts_with(kMarkerStart) && marker.ends_with(kMarkerEnd) &&
        marker.size() > kMarkerStart.size() + kMarkerEnd.size()) {
      example.file = marker.substr(kMarkerStart.size(),
                                   marker.size() - kMarkerStart.size() - kMarkerEnd.size());
    }
    if (i + 1 < lines.size() && lines[i + 1].starts_with(kFence)) {
      std::string shown;
      std::size_t j = i + 2;
      for (; j < lines.size() && lines[j] != kFence; ++j) shown += lines[j] + '\n';
      if (j < lines.size()) example.shown = shown;
    }
    examples.push_back(example);
  }
  return examples;
}

std::string WithCrLf(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

TEST(FormatGuide, EveryExampleIsTheCaseFileItNames) {
  const std::optional<std::string> guide = ReadFileIfPresent(ALIASCONV_FORMAT_GUIDE);
  ASSERT_TRUE(guide) << "cannot read " << ALIASCONV_FORMAT_GUIDE;
  const std::vector<Example> examples = Examples(*guide);
  ASSERT_FALSE(examples.empty()) << "no <!-- case: NAME/FILE --> marker in the guide";

  for (const Example& example : examples) {
    SCOPED_TRACE(std::string(ALIASCONV_FORMAT_GUIDE) + ":" + std::to_string(example.line));
    ASSERT_NE(example.file.find('/'), std::string::npos)
        << "a marker reads <!-- case: NAME/FILE -->";
    ASSERT_TRUE(example.shown) << "no closed fenced block right after the marker";
    const fs::path path = fs::path(ALIASCONV_CASES_DIR) / example.file;
    const std::optional<std::string> actual = ReadFileIfPresent(path);
    ASSERT_TRUE(actual) << "no case file " << path;
    const bool newFormat = path.filename() == "expected.new";
    EXPECT_EQ(newFormat ? WithCrLf(*example.shown) : *example.shown, *actual) << example.file;
  }
}

// The reader itself: a wrong parse would let every comparison pass unseen.
TEST(FormatGuide, ExamplesAreReadFromMarkersAndFences) {
  const std::vector<Example> examples = Examples(
      "text\r\n"
      "<!-- case: a/old -->\n"
      "```text\n"
      "x: y\n"
      "\n"
      "```\n"
      "<!-- case: b/expected.new -->\n"
      "```\n"
      "```\n"
      "<!-- case:c/old -->\n"
      "```\n"
      "<!-- case: d/old -->\n"
      "not a fence\n");
  ASSERT_EQ(examples.size(), 4u);
  EXPECT_EQ(examples[0].line, 2);
  EXPECT_EQ(examples[0].file, "a/old");
  EXPECT_EQ(examples[0].shown, "x: y\n\n");
  EXPECT_EQ(examples[1].file, "b/expected.new");
  EXPECT_EQ(examples[1].shown, "");
  EXPECT_EQ(examples[2].file, "") << "a misspelt marker names no file";
  EXPECT_EQ(examples[2].shown, std::nullopt) << "an unclosed block shows nothing";
  EXPECT_EQ(examples[3].shown, std::nullopt);
  EXPECT_EQ(WithCrLf("a\n\nb\n"), "a\r\n\r\nb\r\n");
}

}  // namespace
