// The new format's layout: a first line per alias, a continuation line for
// every further member, each ended by CR LF.
#include "table/alias_table.h"

namespace {

constexpr std::size_t kNameWidth = 15;
constexpr std::string_view kContinuation = "                ,";  // 16 blanks
constexpr std::string_view kLineEnd = "\r\n";

}  // namespace

std::string CAliasTable::NewFormatText() const {
  std::string text;
  for (std::size_t alias = 0; alias < m_names.size(); ++alias) {
    const CStringArray& members = *m_memberLists[alias];
    const std::string name = Quote(m_names[alias]);
    text += name;
    if (name.size() < kNameWidth) text.append(kNameWidth - name.size(), ' ');
    text += ':';
    text += Quote(members[0]);
    text += kLineEnd;
    for (std::size_t m = 1; m < members.size(); ++m) {
      text += kContinuation;
      text += Quote(members[m]);
      text += kLineEnd;
    }
  }
  return text;
}
