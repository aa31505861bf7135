// Generated old alias files for timing: one realistic small file and the
// shapes of input that would expose work growing faster than the input.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

enum class Shape {
  kSmall,          // 50 realistic aliases with comments, escapes and continuations
  kOneLine,        // one alias of about size / 2 one-byte members
  kManyAliases,    // about size / 4 aliases of one member each
  kEscapedTokens,  // tokens of 1 KiB and more whose every byte the writer escapes
  kContinued,      // one alias, every member on its own line, half begin with a comma
  kCodePage932,    // two-byte characters of code page 932, many with a 0x5C or 0x40 second byte
  kComments,       // comments, blanks and blank lines around a few aliases
};

/// The shape named name ("small", "one-line", ...); false for an unknown name.
bool ShapeByName(std::string_view name, Shape* shape);

/// The name ShapeByName accepts for shape.
std::string_view ShapeName(Shape shape);

/// The code page the shape is written in (0: no two-byte characters).
unsigned ShapeCodePage(Shape shape);

/// True when size counts bytes of the old file; otherwise it counts bytes of
/// normalised text, and the text shapes fill it exactly (31,999 is the whole
/// text area). The small file ignores size.
bool SizeIsOldFileBytes(Shape shape);

/// An old alias file of the shape. Deterministic: the same arguments give
/// the same bytes.
std::string MakeOldFile(Shape shape, std::size_t size);

/// Bytes of normalised text that old gives in the code page, the final line
/// feed included; 32,000 when it does not fit the text area.
std::size_t NormalisedSize(std::string_view old, unsigned codePage);
