// Runs the built program on every case folder and compares the new file,
// standard error, the exit status and what became of both files.
//
// A case folder holds:
//   old              the old file, copied to old.txt (absent: no old file)
//   new.before       copied to new.txt before the run (absent: no new file)
//   args             the arguments, one per line (absent: old.txt and new.txt)
//   expected.status  the exit status (absent: 0)
//   expected.stderr  standard error; {prog} stands for the program's path
//                    (absent: nothing)
//   expected.new     new.txt afterwards (absent: as before the run)
//   expected.old     old.txt afterwards (absent: unchanged)
// The program runs in a fresh work folder, so relative paths stay short.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::optional<std::string> ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void CopyIfPresent(const fs::path& from, const fs::path& to) {
  if (fs::exists(from)) fs::copy_file(from, to, fs::copy_options::overwrite_existing);
}

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

std::vector<std::string> Arguments(const fs::path& caseDir) {
  const std::optional<std::string> args = ReadFile(caseDir / "args");
  if (!args) return {"old.txt", "new.txt"};
  std::vector<std::string> list;
  std::istringstream lines(*args);
  for (std::string line; std::getline(lines, line);) list.push_back(line);
  return list;
}

std::string ShellQuote(const std::string& arg) {
  std::string quoted = "'";
  quoted += ReplaceAll(arg, "'", "'\\''");
  quoted += '\'';
  return quoted;
}

// The program to run: ALIASCONV_COMMAND when set, else the one just built.
std::string Program() {
  const char* command = std::getenv("ALIASCONV_COMMAND");
  return command != nullptr ? command : ALIASCONV_PROGRAM;
}

std::vector<std::string> CaseNames() {
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(ALIASCONV_CASES_DIR)) {
    if (entry.is_directory()) names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

class EndToEnd : public testing::TestWithParam<std::string> {};

TEST_P(EndToEnd, Case) {
  const fs::path caseDir = fs::path(ALIASCONV_CASES_DIR) / GetParam();
  const fs::path work = fs::path(ALIASCONV_WORK_DIR) / GetParam();
  fs::remove_all(work);
  fs::create_directories(work);
  CopyIfPresent(caseDir / "old", work / "old.txt");
  CopyIfPresent(caseDir / "new.before", work / "new.txt");

  std::string command = "cd ";
  command += ShellQuote(work.string());
  command += " && ";
  command += Program();
  for (const std::string& arg : Arguments(caseDir)) {
    command += ' ';
    command += ShellQuote(arg);
  }
  command += " </dev/null >stdout.out 2>stderr.out";
  const int raw = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(raw)) << command;

  const std::string status = ReadFile(caseDir / "expected.status").value_or("0");
  EXPECT_EQ(WEXITSTATUS(raw), std::stoi(status)) << command;
  EXPECT_EQ(ReadFile(work / "stdout.out").value_or("?"), "");
  const std::string stderrText =
      ReplaceAll(ReadFile(caseDir / "expected.stderr").value_or(""), "{prog}", Program());
  EXPECT_EQ(ReadFile(work / "stderr.out"), stderrText);

  const std::optional<std::string> expectedNew = ReadFile(caseDir / "expected.new");
  EXPECT_EQ(ReadFile(work / "new.txt"), expectedNew ? expectedNew : ReadFile(caseDir / "new.before"))
      << "new.txt";
  const std::optional<std::string> expectedOld = ReadFile(caseDir / "expected.old");
  EXPECT_EQ(ReadFile(work / "old.txt"), expectedOld ? expectedOld : ReadFile(caseDir / "old"))
      << "old.txt";
}

INSTANTIATE_TEST_SUITE_P(Cases, EndToEnd, testing::ValuesIn(CaseNames()),
                         [](const testing::TestParamInfo<std::string>& info) {
                           return ReplaceAll(info.param, "-", "_");
                         });

}  // namespace
