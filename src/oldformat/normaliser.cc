#include "oldformat/normaliser.h"

#include <cstring>

namespace {

constexpr char kTab = '\t';
constexpr char kLineFeed = '\n';
constexpr char kBlank = ' ';
constexpr char kNumberSign = '#';
constexpr char kComma = ',';
constexpr char kColon = ':';
constexpr char kBackslash = '\\';

bool IsDelimiter(char b) { return b == kComma || b == kColon; }

// The bytes a run of dropped input can begin with.
bool MayBeDropped(char b) { return b == kBlank || b == kTab || b == kLineFeed || b == kNumberSign; }

}  // namespace

TextNormaliser::TextNormaliser(char* area, std::size_t size, const LeadByteSet& leads)
    : m_area(area),
      m_limit(size - 1),
      m_leads(leads),
      m_canSkipDropped(!leads.Contains(kBlank) && !leads.Contains(kTab) &&
                       !leads.Contains(kLineFeed) && !leads.Contains(kNumberSign)) {}

bool TextNormaliser::Feed(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    if (m_comment || MayBeDropped(bytes[i])) {
      i += m_comment ? SkipComment(bytes.substr(i)) : SkipDropped(bytes.substr(i));
      if (i == bytes.size()) break;
    }
    if (!Step(bytes[i])) return false;
    ++i;
  }
  return true;
}

// Comment bodies can be most of a large file: jump to the line feed at once.
std::size_t TextNormaliser::SkipComment(std::string_view bytes) {
  const void* lineFeed = std::memchr(bytes.data(), kLineFeed, bytes.size());
  return lineFeed == nullptr ? bytes.size()
                             : static_cast<std::size_t>(static_cast<const char*>(lineFeed) -
                                                        bytes.data());
}

// A large old file is mostly comments, blanks and empty lines: pass over what
// the rules would drop without a trace, without going through every rule.
// Nothing is stored here, so whether a line feed drops stays the same
// throughout; a bare line feed must also pass the capacity check, the one
// that ends a comment need not.
std::size_t TextNormaliser::SkipDropped(std::string_view bytes) {
  if (!m_canSkipDropped || m_escape || m_secondByte || bytes.empty()) return 0;
  if (!MayBeDropped(bytes.front())) return 0;
  const bool lineFeedDrops = DropsLineFeed();
  const bool full = Full();
  std::size_t i = 0;
  while (i < bytes.size()) {
    const char b = bytes[i];
    if (b == kBlank || b == kTab || (b == kLineFeed && lineFeedDrops && !full)) {
      ++i;
      continue;
    }
    if (b != kNumberSign) break;
    m_comment = true;
    i += 1 + SkipComment(bytes.substr(i + 1));
    if (i == bytes.size() || !lineFeedDrops) break;
    m_comment = false;
    ++i;
  }
  return i;
}

// One byte through the rules, first match wins; the order is the format.
bool TextNormaliser::Step(char b) {
  if (m_comment) {
    if (b != kLineFeed) return true;
    m_comment = false;
    return DropsLineFeed() ? true : Store(b);
  }
  if (m_secondByte) {
    m_secondByte = false;
    return Store(b);
  }
  if (m_leads.Contains(b)) {
    m_escape = false;
    m_secondByte = true;
    return Store(b);
  }
  if (m_escape) {
    m_escape = false;
    return Store(b);
  }
  switch (b) {
    case kBackslash:
      m_escape = true;
      return true;
    case kBlank:
    case kTab:
      return true;
    case kNumberSign:
      m_comment = true;
      return true;
    default:
      break;
  }
  // Checked before deciding, so even a byte that would be dropped or would
  // only overwrite fails once the area is full.
  if (Full()) return false;
  if (b == kLineFeed) return DropsLineFeed() ? true : Store(b);
  if (IsDelimiter(b) && m_count > 0 && m_area[m_count - 1] == kLineFeed) {
    m_area[m_count - 1] = b;
    return true;
  }
  return Store(b);
}

// True when a line feed here would end no definition: nothing stored yet, or
// the definition goes on (comma, colon) or the line already ended.
bool TextNormaliser::DropsLineFeed() const {
  if (m_count == 0) return true;
  const char last = m_area[m_count - 1];
  return last == kLineFeed || IsDelimiter(last);
}

bool TextNormaliser::Store(char b) {
  if (Full()) return false;
  m_area[m_count++] = b;
  return true;
}

bool TextNormaliser::Finish() {
  if (m_count > 0 && m_area[m_count - 1] != kLineFeed && !Store(kLineFeed)) return false;
  m_area[m_count] = '\0';
  return true;
}
