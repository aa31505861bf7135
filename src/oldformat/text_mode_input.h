// The text-mode rules of the input, applied the same on every platform: a
// carriage return before a line feed is dropped (also across blocks), a lone
// carriage return stays, and the first 0x1A ends the input.
#pragma once

#include <cstddef>
#include <string_view>

#include "oldformat/normaliser.h"

/// Bytes read from the old file at a time.
constexpr std::size_t kReadBlockSize = 64 * 1024;

class TextModeInput {
 public:
  explicit TextModeInput(TextNormaliser& out) : m_out(out) {}

  /// Passes the next block of raw file bytes on. False when the normaliser
  /// overflows.
  bool Feed(std::string_view raw);

  /// True once a 0x1A has ended the input; later blocks are ignored.
  bool Ended() const { return m_ended; }

  /// Ends the input: a carriage return held back from the last block is
  /// passed on, then the normaliser finishes.
  bool Finish();

 private:
  TextNormaliser& m_out;
  bool m_pendingCarriageReturn = false;
  bool m_ended = false;
};

/// Normalises a whole old file held in memory into area[0..size), passing it
/// on in blocks as a file is read.
bool NormaliseOldFile(std::string_view oldFile, char* area, std::size_t size,
                      const LeadByteSet& leads);
