// Runs a fuzz target over the inputs kept as test data (its corpus and the
// end-to-end fixtures), so the normal suite checks the same properties. A
// broken property aborts the test with its description.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

std::vector<std::string> Inputs() {
  std::vector<std::string> paths;
  for (const char* root : {FUZZ_REPLAY_ROOTS}) {
    if (!fs::exists(root)) continue;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
      if (entry.is_regular_file()) paths.push_back(entry.path().string());
    }
  }
  std::sort(paths.begin(), paths.end());
  return paths;
}

class Replay : public testing::TestWithParam<std::string> {};

TEST_P(Replay, KeepsEveryProperty) {
  std::ifstream in(GetParam(), std::ios::binary);
  ASSERT_TRUE(in) << GetParam();
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

INSTANTIATE_TEST_SUITE_P(Inputs, Replay, testing::ValuesIn(Inputs()),
                         [](const testing::TestParamInfo<std::string>& info) {
                           std::string name = fs::relative(info.param, FUZZ_REPLAY_BASE).string();
                           for (char& c : name) {
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           }
                           return name;
                         });

}  // namespace
