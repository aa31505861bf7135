#include "table/alias_table.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "driver/report_error.h"
#include "table/split_tokens.h"

void CAliasTable::RemoveAll() {
  m_names.clear();
  m_members.clear();
  m_memberLists.reset();
  m_memberListCount = 0;
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
  // Every line is at most one alias, and every member takes a byte and a
  // delimiter: room for all of them at once, so that the arrays do not
  // regrow while thousands of aliases come in.
  const std::string_view all = NormalisedText();
  const auto lines = static_cast<std::size_t>(std::count(all.begin(), all.end(), '\n')) + 1;
  m_names.reserve(lines, all.size());
  m_members.reserve(all.size() / 2 + 1, all.size());
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
    // Creating the first member list makes room for every line's; it is the
    // one allocation whose failure Load reports in words.
    if (!m_memberLists) {
      m_memberLists.reset(new (std::nothrow) std::uint32_t[lines]);
      if (!m_memberLists) {
        ReportError("not enough memory");
        return 0;
      }
    }
    m_members.AppendFrom(tokens, 1);
    m_memberLists[m_memberListCount++] = static_cast<std::uint32_t>(m_members.size());
    line = next;
  }
  return 1;
}
