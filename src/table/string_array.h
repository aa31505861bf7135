// An ordered array of byte strings that keeps copies of what is appended.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

/// Strings are kept in one buffer: a table of end offsets, then the bytes of
/// every string end to end. Appending never allocates per element, and a list
/// of a few short members fits the object itself, with no allocation at all.
/// Element views stay valid until the array is next changed.
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

  std::size_t size() const { return m_count; }
  bool empty() const { return m_count == 0; }
  std::string_view operator[](std::size_t i) const {
    const std::size_t begin = i == 0 ? 0 : End(i - 1);
    return {m_store.data() + BytesStart() + begin, End(i) - begin};
  }
  const_iterator begin() const { return {this, 0}; }
  const_iterator end() const { return {this, size()}; }

  /// Appends a copy of s.
  void push_back(std::string_view s);

  /// Appends copies of other's elements from first on, growing once.
  void AppendFrom(const CStringArray& other, std::size_t first);

  /// Makes room for the offsets of `elements` strings in all.
  void reserve(std::size_t elements) { Reserve(elements, 0); }

  /// Removes every element; the room stays for reuse.
  void clear();

  bool operator==(const CStringArray& other) const;

 private:
  using Offset = std::uint32_t;

  std::size_t BytesStart() const { return m_endsRoom * sizeof(Offset); }
  std::size_t End(std::size_t i) const;
  void SetEnd(std::size_t i, std::size_t end);
  std::size_t ByteCount() const { return m_store.size() - BytesStart(); }
  void Reserve(std::size_t elements, std::size_t bytes);

  std::string m_store;
  Offset m_count = 0;
  Offset m_endsRoom = 0;
};
