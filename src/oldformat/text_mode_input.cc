#include "oldformat/text_mode_input.h"

#include <cstring>

namespace {

constexpr char kLineFeed = '\n';
constexpr char kCarriageReturn = '\r';
constexpr char kEndOfFile = '\x1A';
constexpr std::string_view kLoneCarriageReturn("\r", 1);

}  // namespace

bool TextModeInput::Feed(std::string_view raw) {
  if (m_ended) return true;
  if (const void* eof = std::memchr(raw.data(), kEndOfFile, raw.size())) {
    raw = raw.substr(0, static_cast<const char*>(eof) - raw.data());
    m_ended = true;
  }
  if (m_pendingCarriageReturn) {
    if (raw.empty() && !m_ended) return true;
    m_pendingCarriageReturn = false;
    if ((raw.empty() || raw.front() != kLineFeed) && !m_out.Feed(kLoneCarriageReturn)) {
      return false;
    }
  }
  std::size_t start = 0;
  for (std::size_t i = raw.find(kCarriageReturn); i != std::string_view::npos;
       i = raw.find(kCarriageReturn, i + 1)) {
    if (i + 1 == raw.size()) {
      // Whether this one is dropped depends on the next block.
      if (!m_out.Feed(raw.substr(start, i - start))) return false;
      if (m_ended) return m_out.Feed(kLoneCarriageReturn);
      m_pendingCarriageReturn = true;
      return true;
    }
    if (raw[i + 1] == kLineFeed) {
      if (!m_out.Feed(raw.substr(start, i - start))) return false;
      start = i + 1;
    }
  }
  return m_out.Feed(raw.substr(start));
}

bool TextModeInput::Finish() {
  if (m_pendingCarriageReturn) {
    m_pendingCarriageReturn = false;
    if (!m_out.Feed(kLoneCarriageReturn)) return false;
  }
  return m_out.Finish();
}

bool NormaliseOldFile(std::string_view oldFile, char* area, std::size_t size,
                      const LeadByteSet& leads) {
  TextNormaliser normaliser(area, size, leads);
  TextModeInput input(normaliser);
  for (std::size_t at = 0; at < oldFile.size() && !input.Ended(); at += kReadBlockSize) {
    if (!input.Feed(oldFile.substr(at, kReadBlockSize))) return false;
  }
  return input.Finish();
}
