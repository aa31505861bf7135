// The in-memory table of one alias file: alias names with their member lists.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "table/string_array.h"

class CAliasTable {
 public:
  /// Size of the text area, its terminating zero included.
  static constexpr std::size_t kTextSize = 32000;

  /// An empty table.
  CAliasTable() = default;
  virtual ~CAliasTable() = default;
  CAliasTable(const CAliasTable&) = delete;
  CAliasTable& operator=(const CAliasTable&) = delete;

  /// Empties the table and deletes every member list.
  void RemoveAll();

  /// Fills the table from the old alias file at path. 1 when the whole file
  /// was read and every line accepted; 0 after reporting the first failure.
  int Load(const char* path);

  /// Load over the bytes of an old alias file already in memory; path names
  /// it in messages only.
  int LoadBytes(std::string_view oldFile, const char* path);

  /// Reads and normalises the old file into m_text. 1 on success; 0 after
  /// reporting the failure.
  int ReadText(const char* path);

  /// ReadText over bytes in memory; it cannot fail but by overflow.
  int ReadTextBytes(std::string_view oldFile);

  /// Writes the table to path in the new format. 1 on success; 0 after
  /// reporting the failure, with any existing file at path left alone when
  /// it could not be opened.
  int Save(const char* path) const;

  /// The whole new-format file for the table, line ends included.
  std::string NewFormatText() const;

  /// The token as it is written: unchanged when it holds an at sign, else
  /// escaped with the writer's special set.
  static std::string Quote(std::string_view token);

  /// Appends text to out with a backslash before every byte of special; the
  /// two bytes of a character are copied unchanged.
  static void Escape(std::string& out, std::string_view text, std::string_view special);

  const CStringArray& Names() const { return m_names; }
  CStringArraySlice Members(std::size_t alias) const {
    const std::size_t first = alias == 0 ? 0 : m_memberLists[alias - 1];
    return m_members.Slice(first, m_memberLists[alias] - first);
  }
  std::size_t MemberListCount() const { return m_memberListCount; }

  /// The normalised text as ReadText left it, up to its terminating zero.
  std::string_view NormalisedText() const;

 private:
  int ParseText(const char* path);
  std::size_t NewFormatSize() const;
  static std::size_t QuotedSize(std::string_view token);

  char m_text[kTextSize];
  CStringArray m_names;
  // Every alias's members end to end: thousands of small aliases then cost
  // a few blocks of memory, not one each.
  CStringArray m_members;
  // Member list i is m_members from where list i - 1 ends to m_memberLists[i].
  // Room for every line's list is made when the first list is created.
  std::unique_ptr<std::uint32_t[]> m_memberLists;
  std::size_t m_memberListCount = 0;
};
