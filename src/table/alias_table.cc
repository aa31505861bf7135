#include "table/alias_table.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "driver/report_error.h"
#include "table/split_tokens.h"

void CAliasTable::RemoveAll() {
  m_names.clear();
  m_memberLists.clear();
}

int CAliasTable::Load(const char* path) {
  RemoveAll();
  if (!ReadText(path)) return 0;
  return ParseText(path);
}

int CAliasTable::LoadBytes(std::string_view oldFile, const char* path) {
  RemoveAll();
  if (!ReadTextBytes(oldFile)) return 0;
  return ParseText(path);
}

std::string_view CAliasTable::NormalisedText() const {
  return {m_text, std::strlen(m_text)};
}

// Lines are cut in place; a zero byte ends the text, also inside a line, so
// nothing past the normalised text is ever read.
int CAliasTable::ParseText(const char* path) {
  // Every line is at most one alias: room for all of them at once, so that
  // the arrays do not regrow while thousands of aliases come in.
  const std::string_view all = NormalisedText();
  const auto lines = static_cast<std::size_t>(std::count(all.begin(), all.end(), '\n'));
  m_names.reserve(lines);
  m_memberLists.reserve(lines);
  CStringArray tokens;
  char* line = m_text;
  while (line != nullptr && *line != '\0') {
    char* lineFeed = std::strchr(line, '\n');
    char* next = nullptr;
    if (lineFeed != nullptr) {
      *lineFeed = '\0';
      next = lineFeed + 1;
    }
    // Up to the line feed, or to a zero byte that ends the text inside the line.
    const std::string_view text(line, lineFeed != nullptr ? static_cast<std::size_t>(lineFeed - line)
                                                          : std::strlen(line));
    if (text.find(':') == std::string_view::npos) {
      ReportError("<:> missing:\n\n%s\n(%s)\n", line, path);
      return 0;
    }
    if (SplitTokens(tokens, text, ":,") < 2) {
      ReportError("format error at:\n\n%s\n\n", line);
      return 0;
    }
    m_names.push_back(tokens[0]);
    std::unique_ptr<CStringArray> members(new (std::nothrow) CStringArray);
    if (!members) {
      ReportError("not enough memory");
      return 0;
    }
    members->AppendFrom(tokens, 1);
    m_memberLists.push_back(std::move(members));
    line = next;
  }
  return 1;
}
