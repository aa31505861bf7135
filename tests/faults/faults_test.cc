// Faults that need more than a case folder: an old file that is a named
// pipe, a 1 GiB stream through one, random old files, and memory running
// out under an address-space limit. The program runs as a child process;
// what it must do is checked against the in-memory conversion.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <iostream>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "common/lead_bytes.h"
#include "driver/convert_bytes.h"
#include "support/file_bytes.h"
#include "table/alias_table.h"

namespace {

namespace fs = std::filesystem;

struct Outcome {
  int status = -1;  // the exit status, or 128 + the signal
  std::string message;
  long peakRssKiB = 0;
};

struct Expected {
  int status;
  std::string message;
  std::string newFile;
};

// A fresh work folder per test, so relative paths stay short.
class Faults : public testing::Test {
 protected:
  void SetUp() override {
    const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
    m_work = fs::path(ALIASCONV_FAULTS_WORK_DIR) / info->name();
    fs::remove_all(m_work);
    fs::create_directories(m_work);
    signal(SIGPIPE, SIG_IGN);
  }

  fs::path Path(const char* name) const { return m_work / name; }

  // Runs the program on old.txt and new.txt in the work folder; feed, when
  // given, runs in this process while the child does (to write a pipe).
  Outcome Run(std::optional<rlim_t> addressSpace = std::nullopt,
              const std::function<void()>& feed = nullptr,
              const char* program = ALIASCONV_PROGRAM) const {
    const std::string errPath = Path("stderr.out").string();
    const pid_t pid = fork();
    if (pid == 0) {
      if (chdir(m_work.c_str()) != 0) _exit(126);
      const int in = open("/dev/null", O_RDONLY);
      const int out = open("stdout.out", O_WRONLY | O_CREAT | O_TRUNC, 0644);
      const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
      if (in < 0 || out < 0 || err < 0) _exit(126);
      dup2(in, 0);
      dup2(out, 1);
      dup2(err, 2);
      if (addressSpace) {
        const rlimit limit{*addressSpace, *addressSpace};
        if (setrlimit(RLIMIT_AS, &limit) != 0) _exit(126);
      }
      execl(program, program, "old.txt", "new.txt", static_cast<char*>(nullptr));
      _exit(127);
    }
    Outcome outcome;
    if (pid < 0) return outcome;
    if (feed) feed();
    int raw = 0;
    rusage usage{};
    if (wait4(pid, &raw, 0, &usage) != pid) return outcome;
    outcome.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
    outcome.message = ReadFile(errPath);
    outcome.peakRssKiB = usage.ru_maxrss;
    EXPECT_EQ(ReadFile(Path("stdout.out")), "");
    return outcome;
  }

  fs::path m_work;
};

// What the program must do with these bytes: the same as the in-memory
// conversion under the system's lead bytes.
Expected ConvertInMemory(const std::string& oldFile) {
  auto table = std::make_unique<CAliasTable>();
  std::string newFile;
  testing::internal::CaptureStderr();
  const int result = ConvertBytes(*table, oldFile, LeadBytesForCodePage(SystemCodePage()),
                                  "old.txt", newFile);
  return {result ? 0 : 1, testing::internal::GetCapturedStderr(), newFile};
}

// Writes all of bytes to the pipe at path, blocking until the reader opens it.
void FeedPipe(const fs::path& path, const std::function<bool(int)>& write) {
  const int fd = open(path.c_str(), O_WRONLY);
  ASSERT_GE(fd, 0);
  EXPECT_TRUE(write(fd));
  close(fd);
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

TEST_F(Faults, OldFileIsANamedPipe) {
  const std::string oldFile = "staff: ann, bob,\n      carol  # night shift\nops: dave\n";
  ASSERT_EQ(mkfifo(Path("old.txt").c_str(), 0600), 0);
  WriteFile(Path("new.txt"), "before\n");
  const Outcome outcome = Run(std::nullopt, [&] {
    FeedPipe(Path("old.txt"), [&](int fd) { return WriteAll(fd, oldFile); });
  });
  const Expected expected = ConvertInMemory(oldFile);
  ASSERT_EQ(expected.status, 0);
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.message, "");
  EXPECT_EQ(ReadFile(Path("new.txt")), expected.newFile);
}

// 1 GiB of comments, blanks, tabs, empty lines and CR LF lines, then one
// definition, streamed through a pipe: it converts, and the program's peak
// memory is that of a run over the definition alone.
TEST_F(Faults, GibibyteStreamKeepsMemoryFlat) {
  const std::string definition = "staff: ann, bob\n";
  std::string unit = "#" + std::string(700, 'c') + "\n\r\n";
  for (int i = 0; i < 159; ++i) unit += " \t";
  unit += " \n";
  ASSERT_EQ(unit.size(), 1024u);
  std::string block;
  for (int i = 0; i < 1024; ++i) block += unit;
  constexpr int kBlocks = 1024;

  WriteFile(Path("old.txt"), definition);
  const Outcome small = Run();
  ASSERT_EQ(small.status, 0) << small.message;
  const std::string converted = ReadFile(Path("new.txt"));
  EXPECT_EQ(converted, ConvertInMemory(definition).newFile);

  fs::remove(Path("old.txt"));
  fs::remove(Path("new.txt"));
  ASSERT_EQ(mkfifo(Path("old.txt").c_str(), 0600), 0);
  const Outcome large = Run(std::nullopt, [&] {
    FeedPipe(Path("old.txt"), [&](int fd) {
      for (int i = 0; i < kBlocks; ++i) {
        if (!WriteAll(fd, block)) return false;
      }
      return WriteAll(fd, definition);
    });
  });
  EXPECT_EQ(large.status, 0);
  EXPECT_EQ(large.message, "");
  EXPECT_EQ(ReadFile(Path("new.txt")), converted);
  std::cout << "peak RSS: " << small.peakRssKiB << " KiB for " << definition.size()
            << " bytes, " << large.peakRssKiB << " KiB for 1 GiB through a pipe\n";
  RecordProperty("peak_rss_small_kib", static_cast<int>(small.peakRssKiB));
  RecordProperty("peak_rss_gib_stream_kib", static_cast<int>(large.peakRssKiB));
  EXPECT_LE(large.peakRssKiB, small.peakRssKiB + 1024);
}

// Random bytes of several sizes, around the size of the text area included:
// the program does what the in-memory conversion does, and a failure leaves
// both files as they were.
TEST_F(Faults, RandomOldFiles) {
  const std::string before = "before\r\n";
  for (const std::size_t size : {1u, 64u, 4096u, 31999u, 40000u}) {
    for (unsigned seed = 1; seed <= 6; ++seed) {
      std::mt19937 random(seed * 100003u + static_cast<unsigned>(size));
      std::string oldFile(size, '\0');
      for (char& b : oldFile) b = static_cast<char>(random() & 0xFF);
      WriteFile(Path("old.txt"), oldFile);
      WriteFile(Path("new.txt"), before);
      const Outcome outcome = Run();
      const Expected expected = ConvertInMemory(oldFile);
      SCOPED_TRACE("size " + std::to_string(size) + ", seed " + std::to_string(seed));
      EXPECT_EQ(outcome.status, expected.status);
      EXPECT_EQ(outcome.message, expected.message);
      EXPECT_EQ(ReadFile(Path("new.txt")), expected.status == 0 ? expected.newFile : before);
      EXPECT_EQ(ReadFile(Path("old.txt")), oldFile);
    }
  }
}

// Address-space limits from too small to start the program up to enough
// for the whole run: at every limit the run either converts completely, or
// reports the shortage (or never reaches main) and leaves the new file as
// it was. The address sanitizer reserves far more than any such limit. The
// program runs linked the default way: linked statically, the C library's
// own start-up dies of a small limit with a signal before any of the
// program's code runs, which would hide what this test looks for.
TEST_F(Faults, OutOfMemoryNeverDamagesTheNewFile) {
#if defined(ALIASCONV_SANITIZE)
  GTEST_SKIP() << "an address-space limit stops the sanitizer's runtime";
#endif
  std::string oldFile = "staff:b";
  for (int i = 0; i < 15000; ++i) oldFile += ",b";
  oldFile += "\n";
  const Expected expected = ConvertInMemory(oldFile);
  ASSERT_EQ(expected.status, 0);
  const std::string before = "before\r\n";
  WriteFile(Path("old.txt"), oldFile);

  constexpr rlim_t kStep = 32 * 1024;
  constexpr rlim_t kLargest = 256 * 1024 * 1024;
  int reported = 0;
  rlim_t limit = 1024 * 1024;
  for (; limit <= kLargest; limit += kStep) {
    WriteFile(Path("new.txt"), before);
    const Outcome outcome = Run(limit, nullptr, ALIASCONV_DYNAMIC_PROGRAM);
    SCOPED_TRACE("limit " + std::to_string(limit / 1024) + " KiB");
    EXPECT_EQ(ReadFile(Path("old.txt")), oldFile);
    if (outcome.status == 0) {
      EXPECT_EQ(outcome.message, "");
      EXPECT_EQ(ReadFile(Path("new.txt")), expected.newFile);
      break;
    }
    ASSERT_EQ(ReadFile(Path("new.txt")), before);
    if (outcome.status == 127) continue;  // the loader could not map the program
    ASSERT_EQ(outcome.status, 1);
    ASSERT_EQ(outcome.message, "not enough memory");
    ++reported;
  }
  EXPECT_LE(limit, kLargest) << "no limit was large enough";
  EXPECT_GT(reported, 0) << "no limit ran out of memory after start-up";
}

}  // namespace
