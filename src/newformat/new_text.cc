// The whole new file in memory.
#include <algorithm>

#include "newformat/layout.h"

std::string CAliasTable::NewFormatText() const {
  std::string text;
  text.reserve(NewFormatSize());
  newformat::LayOut(*this, text);
  return text;
}

std::size_t CAliasTable::NewFormatSize() const {
  using namespace newformat;
  std::size_t size = 0;
  for (std::size_t alias = 0; alias < m_names.size(); ++alias) {
    const CStringArraySlice members = Members(alias);
    size += std::max(QuotedSize(m_names[alias]), kNameWidth) + 1 + kLineEnd.size();
    for (std::size_t m = 0; m < members.size(); ++m) size += QuotedSize(members[m]);
    size += (members.size() - 1) * (kContinuation.size() + kLineEnd.size());
  }
  return size;
}
