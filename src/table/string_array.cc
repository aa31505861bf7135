#include "table/string_array.h"

#include <algorithm>
#include <cstring>
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

std::size_t CStringArray::End(std::size_t i) const {
  Offset end;
  std::memcpy(&end, m_store.data() + i * sizeof(Offset), sizeof end);
  return end;
}

void CStringArray::SetEnd(std::size_t i, std::size_t end) {
  const Offset value = static_cast<Offset>(end);
  std::memcpy(m_store.data() + i * sizeof(Offset), &value, sizeof value);
}

// Makes room for the offsets of `elements` strings in all and `bytes` more
// bytes. The offset table doubles, so the bytes behind it move only a
// logarithmic number of times.
void CStringArray::Reserve(std::size_t elements, std::size_t bytes) {
  CheckFits(elements);
  CheckFits(ByteCount() + bytes);
  if (elements > m_endsRoom) {
    const std::size_t room = std::max<std::size_t>(elements, 2 * std::size_t{m_endsRoom});
    CheckFits(room);
    m_store.reserve(room * sizeof(Offset) + ByteCount() + bytes);
    m_store.insert(BytesStart(), (room - m_endsRoom) * sizeof(Offset), '\0');
    m_endsRoom = static_cast<Offset>(room);
  } else {
    m_store.reserve(m_store.size() + bytes);
  }
}

void CStringArray::push_back(std::string_view s) {
  // Within the offsets' room the store grows as any string does.
  if (m_count < m_endsRoom) {
    CheckFits(ByteCount() + s.size());
  } else {
    Reserve(m_count + std::size_t{1}, s.size());
  }
  m_store += s;
  SetEnd(m_count, ByteCount());
  ++m_count;
}

void CStringArray::AppendFrom(const CStringArray& other, std::size_t first) {
  if (first >= other.size()) return;
  const std::size_t skipped = first == 0 ? 0 : other.End(first - 1);
  const std::string_view bytes(other.m_store.data() + other.BytesStart() + skipped,
                               other.ByteCount() - skipped);
  Reserve(m_count + other.size() - first, bytes.size());
  const std::size_t base = ByteCount();
  m_store += bytes;
  for (std::size_t i = first; i < other.size(); ++i) {
    SetEnd(m_count++, base + other.End(i) - skipped);
  }
}

void CStringArray::clear() {
  m_store.resize(BytesStart());
  m_count = 0;
}

bool CStringArray::operator==(const CStringArray& other) const {
  return std::equal(begin(), end(), other.begin(), other.end());
}
