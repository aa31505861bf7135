#include "table/string_array.h"

#include <limits>
#include <stdexcept>

CStringArray::CStringArray(std::initializer_list<std::string_view> strings) {
  for (const std::string_view s : strings) push_back(s);
}

void CStringArray::push_back(std::string_view s) {
  if (s.size() > std::numeric_limits<std::uint32_t>::max() - m_bytes.size()) {
    throw std::length_error("CStringArray");
  }
  m_bytes += s;
  m_ends.push_back(static_cast<std::uint32_t>(m_bytes.size()));
}

void CStringArray::AppendFrom(const CStringArray& other, std::size_t first) {
  if (first >= other.size()) return;
  const std::size_t skipped = first == 0 ? 0 : other.m_ends[first - 1];
  const std::size_t bytes = other.m_bytes.size() - skipped;
  if (bytes > std::numeric_limits<std::uint32_t>::max() - m_bytes.size()) {
    throw std::length_error("CStringArray");
  }
  m_ends.reserve(m_ends.size() + other.size() - first);
  const std::size_t base = m_bytes.size();
  m_bytes.append(other.m_bytes, skipped, bytes);
  for (std::size_t i = first; i < other.size(); ++i) {
    m_ends.push_back(static_cast<std::uint32_t>(base + other.m_ends[i] - skipped));
  }
}

void CStringArray::clear() {
  m_bytes.clear();
  m_ends.clear();
}
