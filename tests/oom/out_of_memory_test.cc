// Running out of memory is reported and never damages a file.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "driver/run.h"
#include "failing_new.h"
#include "support/file_bytes.h"
#include "table/alias_table.h"

namespace {

namespace fs = std::filesystem;

TEST(OutOfMemory, MemberListCreationIsReported) {
  CAliasTable table;
  testing::internal::CaptureStderr();
  FailNothrowAllocations();
  const int result = table.LoadBytes("staff: ann\n", "old.txt");
  StopFailingAllocations();
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "not enough memory");
  EXPECT_EQ(result, 0);
  EXPECT_EQ(table.Names().size(), 1u);
  EXPECT_EQ(table.MemberListCount(), 0u);
}

// Whichever allocation fails, the run reports it and the existing new file
// is either untouched or completely converted.
TEST(OutOfMemory, NeverTruncatesTheNewFile) {
  const fs::path dir = fs::temp_directory_path() / "aliasconv_oom_test";
  fs::create_directories(dir);
  const std::string oldPath = (dir / "old.txt").string();
  const std::string newPath = (dir / "new.txt").string();
  WriteFile(oldPath, "staff: ann, bob, carol\nfront\\ desk: ed(temp), fay\n");
  const std::string converted =
      "staff          :ann\r\n                ,bob\r\n                ,carol\r\n"
      "front\\ desk    :ed\\(temp\\)\r\n                ,fay\r\n";
  const std::string before = "the previous content\r\n";
  const char* argv[] = {"aliasconv", oldPath.c_str(), newPath.c_str(), nullptr};

  for (std::size_t allowed = 0;; ++allowed) {
    WriteFile(newPath, before);
    testing::internal::CaptureStderr();
    FailAllocationsAfter(allowed);
    const int status = RunAliasConv(3, argv);
    StopFailingAllocations();
    const std::string message = testing::internal::GetCapturedStderr();
    if (status == 0) {
      EXPECT_EQ(message, "");
      EXPECT_EQ(ReadFile(newPath), converted);
      EXPECT_GT(allowed, 5u);
      break;
    }
    ASSERT_EQ(status, 1) << allowed;
    ASSERT_EQ(message, "not enough memory") << allowed;
    ASSERT_EQ(ReadFile(newPath), before) << allowed;
  }
  fs::remove_all(dir);
}

}  // namespace
