// Quote and Escape: how a token is written in the new format.
#include "newformat/layout.h"

std::string CAliasTable::Quote(std::string_view token) {
  std::string quoted;
  quoted.reserve(QuotedSize(token));
  newformat::QuoteInto(quoted, token);
  return quoted;
}

void CAliasTable::Escape(std::string& out, std::string_view text, std::string_view special) {
  newformat::EscapeInto(out, text, newformat::ByteSet(special));
}

// Only sizes the output ahead, so that it is built without regrowing.
std::size_t CAliasTable::QuotedSize(std::string_view token) {
  if (CharFind(token, newformat::kAtSign) != std::string_view::npos) return token.size();
  const LeadByteSet& leads = LeadBytes();
  std::size_t size = token.size();
  for (std::size_t i = 0; i < token.size(); ++i) {
    if (leads.Contains(token[i])) {
      ++i;
    } else if (newformat::kSpecialSet.Contains(token[i])) {
      ++size;
    }
  }
  return size;
}
