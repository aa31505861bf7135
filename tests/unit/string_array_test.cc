#include "table/string_array.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace std::string_literals;

namespace {

std::vector<std::string> Strings(const CStringArray& array) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < array.size(); ++i) out.emplace_back(array[i]);
  return out;
}

// Bytes and ends grow apart: every element must survive each move, whatever
// its length or bytes.
TEST(CStringArray, KeepsEveryElementThroughGrowth) {
  const std::vector<std::string> elements = {"a",  "",  std::string(40, 'x'), "b\0c"s, "\xff",
                                             "dd", "e", std::string(300, 'y'), "",     "f"};
  CStringArray array;
  std::vector<std::string> expected;
  for (const std::string& element : elements) {
    array.push_back(element);
    expected.push_back(element);
    ASSERT_EQ(Strings(array), expected);
  }
  array.clear();
  EXPECT_TRUE(array.empty());
  array.push_back("again");
  EXPECT_EQ(Strings(array), std::vector<std::string>{"again"});
}

TEST(CStringArray, AppendFromCopiesTheTail) {
  const CStringArray from = {"name", "ann", "", "bob"};
  const struct {
    std::size_t first;
    std::vector<std::string> result;
  } cases[] = {
      {0, {"kept", "name", "ann", "", "bob"}},
      {1, {"kept", "ann", "", "bob"}},
      {3, {"kept", "bob"}},
      {4, {"kept"}},
  };
  for (const auto& c : cases) {
    CStringArray to = {"kept"};
    to.AppendFrom(from, c.first);
    EXPECT_EQ(Strings(to), c.result) << c.first;
  }
}

TEST(CStringArray, SliceViewsARun) {
  const CStringArray array = {"a", "bb", "", "ccc", "d"};
  const struct {
    std::size_t first, count;
    std::vector<std::string> elements;
  } cases[] = {
      {0, 5, {"a", "bb", "", "ccc", "d"}},
      {1, 3, {"bb", "", "ccc"}},
      {4, 1, {"d"}},
      {2, 0, {}},
  };
  for (const auto& c : cases) {
    const CStringArraySlice slice = array.Slice(c.first, c.count);
    std::vector<std::string> byIndex, byIteration;
    for (std::size_t i = 0; i < slice.size(); ++i) byIndex.emplace_back(slice[i]);
    for (const std::string_view s : slice) byIteration.emplace_back(s);
    EXPECT_EQ(byIndex, c.elements) << c.first;
    EXPECT_EQ(byIteration, c.elements) << c.first;
    EXPECT_EQ(slice.empty(), c.count == 0);
  }
}

TEST(CStringArray, ComparesElementsNotLayout) {
  CStringArray grown;
  for (const char* s : {"a", "b", "c"}) grown.push_back(s);
  grown.clear();
  grown.push_back("ab");
  EXPECT_EQ(grown, (CStringArray{"ab"}));
  EXPECT_NE(grown, (CStringArray{"a", "b"}));
}

}  // namespace
