#include "common/lead_bytes.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace {

struct CharsetName {
  const char* name;
  unsigned codePage;
};

constexpr CharsetName kCharsets[] = {
    {"SHIFT_JIS", 932}, {"SJIS", 932},       {"SHIFT-JIS", 932},  {"CP932", 932},
    {"WINDOWS-31J", 932}, {"GBK", 936},      {"CP936", 936},      {"GB2312", 936},
    {"EUC-CN", 936},    {"GB18030", 936},    {"EUC-KR", 949},     {"CP949", 949},
    {"UHC", 949},       {"BIG5", 950},       {"BIG5-HKSCS", 950}, {"CP950", 950},
    {"JOHAB", 1361},    {"CP1361", 1361},
};

}  // namespace

void LeadByteSet::AddRange(unsigned char first, unsigned char last) {
  for (unsigned b = std::max<unsigned>(first, 1); b <= last; ++b) m_lead[b] = true;
}

bool LeadByteSet::IsEmpty() const {
  return std::none_of(m_lead.begin(), m_lead.end(), [](bool b) { return b; });
}

LeadByteSet BuiltinLeadBytes(unsigned codePage, bool* known) {
  LeadByteSet set;
  *known = true;
  switch (codePage) {
    case 932:
      set.AddRange(0x81, 0x9F);
      set.AddRange(0xE0, 0xFC);
      break;
    case 936:
    case 949:
    case 950:
      set.AddRange(0x81, 0xFE);
      break;
    case 1361:
      set.AddRange(0x81, 0xD3);
      set.AddRange(0xD8, 0xDE);
      set.AddRange(0xE0, 0xF9);
      break;
    default:
      *known = false;
  }
  return set;
}

unsigned CodePageForCharset(std::string_view charset) {
  std::string upper(charset);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  for (const CharsetName& entry : kCharsets) {
    if (upper == entry.name) return entry.codePage;
  }
  return 0;
}

void SetLeadBytes(const LeadByteSet& set) { detail::activeLeadBytes = set; }

void InitLeadBytesFromSystem() { SetLeadBytes(LeadBytesForCodePage(SystemCodePage())); }
