#include "table/string_array.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace {

void CheckFits(std::size_t size) {
  if (size > std::numeric_limits<std::uint32_t>::max()) throw std::length_error("CStringArray");
}

}  // namespace

CStringArray::CStringArray(std::initializer_list<std::string_view> strings) {
  for (const std::string_view s : strings) push_back(s);
}

void CStringArray::push_back(std::string_view s) {
  CheckFits(m_bytes.size() + s.size());
  m_bytes += s;
  m_ends.push_back(static_cast<std::uint32_t>(m_bytes.size()));
}

void CStringArray::AppendFrom(const CStringArray& other, std::size_t first) {
  if (first >= other.size()) return;
  const std::size_t skipped = first == 0 ? 0 : other.m_ends[first - 1];
  const std::size_t base = m_bytes.size();
  CheckFits(base + other.m_bytes.size() - skipped);
  m_bytes.append(other.m_bytes, skipped);
  for (std::size_t i = first; i < other.size(); ++i) {
    m_ends.push_back(static_cast<std::uint32_t>(base + other.m_ends[i] - skipped));
  }
}

void CStringArray::reserve(std::size_t elements, std::size_t bytes) {
  m_ends.reserve(elements);
  m_bytes.reserve(bytes);
}

void CStringArray::clear() {
  m_bytes.clear();
  m_ends.clear();
}

bool CStringArray::operator==(const CStringArray& other) const {
  return std::equal(begin(), end(), other.begin(), other.end());
}
