// The new format's layout over any output that appends (a std::string, or a
// buffered file): out += byte, out += bytes, out.append(count, byte) and
// out.size(), the number of bytes appended so far.
#pragma once

#include <string_view>

#include "common/lead_bytes.h"
#include "common/mbcs.h"
#include "table/alias_table.h"

namespace newformat {

constexpr char kBackslash = '\\';
constexpr char kAtSign = '@';
constexpr std::string_view kSpecialBytes = "\\ :,\"<>()";
constexpr std::size_t kNameWidth = 15;
constexpr std::string_view kContinuation = "                ,";  // 16 blanks
constexpr std::string_view kLineEnd = "\r\n";

/// A set of byte values, looked up in one step.
class ByteSet {
 public:
  constexpr explicit ByteSet(std::string_view bytes) {
    for (const char b : bytes) m_in[static_cast<unsigned char>(b)] = true;
  }
  constexpr bool Contains(char b) const { return m_in[static_cast<unsigned char>(b)]; }

 private:
  bool m_in[256] = {};
};

inline constexpr ByteSet kSpecialSet(kSpecialBytes);

template <class Out>
void EscapeInto(Out& out, std::string_view text, const ByteSet& special) {
  const LeadByteSet& leads = LeadBytes();
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char b = text[i];
    if (leads.Contains(b)) {
      out += b;
      // A lone lead byte at the end is copied and ends the form.
      if (i + 1 < text.size()) out += text[++i];
    } else {
      if (special.Contains(b)) out += kBackslash;
      out += b;
    }
  }
}

template <class Out>
void QuoteInto(Out& out, std::string_view token) {
  // A mail address is written as it stands.
  if (CharFind(token, kAtSign) != std::string_view::npos) {
    out += token;
  } else {
    EscapeInto(out, token, kSpecialSet);
  }
}

/// A first line per alias, a continuation line for every further member,
/// each ended by CR LF.
template <class Out>
void LayOut(const CAliasTable& table, Out& out) {
  for (std::size_t alias = 0; alias < table.Names().size(); ++alias) {
    const CStringArraySlice members = table.Members(alias);
    const std::size_t nameStart = out.size();
    QuoteInto(out, table.Names()[alias]);
    const std::size_t nameSize = out.size() - nameStart;
    if (nameSize < kNameWidth) out.append(kNameWidth - nameSize, ' ');
    out += ':';
    QuoteInto(out, members[0]);
    out += kLineEnd;
    for (std::size_t m = 1; m < members.size(); ++m) {
      out += kContinuation;
      QuoteInto(out, members[m]);
      out += kLineEnd;
    }
  }
}

}  // namespace newformat
