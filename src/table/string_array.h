// An ordered array of byte strings that keeps copies of what is appended.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

/// All strings' bytes stand end to end in one buffer, with one end offset per
/// string: appending never allocates per element, and a one-byte member costs
/// five bytes instead of a string object. Element views stay valid until the
/// array is next changed.
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

  /// Appends a copy of s.
  void push_back(std::string_view s);

  /// Appends copies of other's elements from first on, growing once.
  void AppendFrom(const CStringArray& other, std::size_t first);

  /// Removes every element; the room stays for reuse.
  void clear();

  bool operator==(const CStringArray& other) const {
    return m_ends == other.m_ends && m_bytes == other.m_bytes;
  }

 private:
  std::string m_bytes;
  // Every string the program keeps comes out of the 32,000-byte text area.
  std::vector<std::uint32_t> m_ends;
};
