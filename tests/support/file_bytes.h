// Test helpers: a file's bytes, read and written whole.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

/// The file's bytes; empty when it cannot be read.
inline std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

/// Creates or replaces the file with exactly these bytes.
inline void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}
