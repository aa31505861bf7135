// The new format's layout: a first line per alias, a continuation line for
// every further member, each ended by CR LF.
#include <algorithm>

#include "table/alias_table.h"

namespace {

constexpr std::size_t kNameWidth = 15;
constexpr std::string_view kContinuation = "                ,";  // 16 blanks
constexpr std::string_view kLineEnd = "\r\n";

}  // namespace

std::string CAliasTable::NewFormatText() const {
  std::string text;
  text.reserve(NewFormatSize());
  for (std::size_t alias = 0; alias < m_names.size(); ++alias) {
    const CStringArray& members = *m_memberLists[alias];
    const std::size_t nameStart = text.size();
    AppendQuoted(text, m_names[alias]);
    const std::size_t nameSize = text.size() - nameStart;
    if (nameSize < kNameWidth) text.append(kNameWidth - nameSize, ' ');
    text += ':';
    AppendQuoted(text, members[0]);
    text += kLineEnd;
    for (std::size_t m = 1; m < members.size(); ++m) {
      text += kContinuation;
      AppendQuoted(text, members[m]);
      text += kLineEnd;
    }
  }
  return text;
}

std::size_t CAliasTable::NewFormatSize() const {
  std::size_t size = 0;
  for (std::size_t alias = 0; alias < m_names.size(); ++alias) {
    const CStringArray& members = *m_memberLists[alias];
    size += std::max(QuotedSize(m_names[alias]), kNameWidth) + 1 + kLineEnd.size();
    for (std::size_t m = 0; m < members.size(); ++m) size += QuotedSize(members[m]);
    size += (members.size() - 1) * (kContinuation.size() + kLineEnd.size());
  }
  return size;
}
