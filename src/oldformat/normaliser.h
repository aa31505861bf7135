// The old format's byte rules: drops blanks, tabs, comments and escape
// backslashes, joins continuation lines and drops empty ones, in one pass
// with no look-ahead, straight into a fixed text area.
#pragma once

#include <cstddef>
#include <string_view>

#include "common/lead_bytes.h"

class TextNormaliser {
 public:
  /// Writes into area[0..size); at most size - 1 bytes are ever stored, so
  /// the terminating zero always fits.
  TextNormaliser(char* area, std::size_t size, const LeadByteSet& leads);

  /// Handles bytes as the text-mode input delivers them. False once the text
  /// no longer fits; nothing is then stored past the area.
  bool Feed(std::string_view bytes);

  /// Ends the text with a line feed (unless empty or already so ended) and a
  /// zero byte. False when that line feed does not fit.
  bool Finish();

  std::size_t StoredCount() const { return m_count; }

 private:
  bool Step(char b);
  bool Store(char b);
  bool Full() const { return m_count >= m_limit; }
  bool DropsLineFeed() const;
  std::size_t SkipComment(std::string_view bytes);
  std::size_t SkipDropped(std::string_view bytes);

  char* m_area;
  std::size_t m_limit;
  const LeadByteSet& m_leads;
  const bool m_canSkipDropped;
  std::size_t m_count = 0;
  bool m_comment = false;
  bool m_escape = false;
  bool m_secondByte = false;
};
