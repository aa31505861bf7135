// An ordered array of byte strings that keeps copies of what is appended.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

class CStringArraySlice;

/// The bytes of every string sit end to end in one buffer, with a table of
/// where each ends: appending never allocates per element, and a whole
/// table's worth of strings costs two blocks of memory. Element views stay
/// valid until the array is next changed.
class CStringArray {
 public:
  class const_iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = std::string_view;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = std::string_view;

    const_iterator() = default;
    const_iterator(const CStringArray* array, std::size_t index) : m_array(array), m_index(index) {}
    std::string_view operator*() const { return (*m_array)[m_index]; }
    const_iterator& operator++() {
      ++m_index;
      return *this;
    }
    const_iterator operator++(int) {
      const_iterator old = *this;
      ++m_index;
      return old;
    }
    bool operator==(const const_iterator& other) const { return m_index == other.m_index; }

   private:
    const CStringArray* m_array = nullptr;
    std::size_t m_index = 0;
  };

  CStringArray() = default;
  CStringArray(std::initializer_list<std::string_view> strings);

  std::size_t size() const { return m_ends.size(); }
  bool empty() const { return m_ends.empty(); }
  std::string_view operator[](std::size_t i) const {
    const std::size_t begin = i == 0 ? 0 : m_ends[i - 1];
    return {m_bytes.data() + begin, m_ends[i] - begin};
  }
  const_iterator begin() const { return {this, 0}; }
  const_iterator end() const { return {this, size()}; }

  /// Elements first to first + count - 1, as a view of this array.
  CStringArraySlice Slice(std::size_t first, std::size_t count) const;

  /// Appends a copy of s.
  void push_back(std::string_view s);

  /// Appends copies of other's elements from first on.
  void AppendFrom(const CStringArray& other, std::size_t first);

  /// Makes room for `elements` strings of `bytes` bytes in all.
  void reserve(std::size_t elements, std::size_t bytes);

  /// Removes every element; the room stays for reuse.
  void clear();

  bool operator==(const CStringArray& other) const;

 private:
  std::string m_bytes;
  // 32-bit ends keep the table small; the check on append keeps them exact.
  std::vector<std::uint32_t> m_ends;
};

/// A run of consecutive elements of a CStringArray, valid while the array
/// is not changed.
class CStringArraySlice {
 public:
  CStringArraySlice(const CStringArray& array, std::size_t first, std::size_t count)
      : m_array(&array), m_first(first), m_count(count) {}

  std::size_t size() const { return m_count; }
  bool empty() const { return m_count == 0; }
  std::string_view operator[](std::size_t i) const { return (*m_array)[m_first + i]; }
  CStringArray::const_iterator begin() const { return {m_array, m_first}; }
  CStringArray::const_iterator end() const { return {m_array, m_first + m_count}; }

 private:
  const CStringArray* m_array;
  std::size_t m_first;
  std::size_t m_count;
};

inline CStringArraySlice CStringArray::Slice(std::size_t first, std::size_t count) const {
  return {*this, first, count};
}
