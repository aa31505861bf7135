// Runs a program on every case folder and compares the new file, standard
// error, the exit status and what became of both files.
//
// A case folder holds:
//   old              the old file, copied to old.txt (absent: no old file)
//   new.before       copied to new.txt before the run (absent: no new file)
//   args             the arguments, one per line (absent: old.txt and new.txt)
//   locale           the locales to run the case under, one per line, each
//                    given as LC_ALL (absent: C); a locale other than C,
//                    C.UTF-8 and POSIX must be one that the build generated
//                    into its locale folder, which is passed as LOCPATH. A
//                    line "LOCALE posix-only" runs on POSIX only (no Windows
//                    locale has its code page as the ANSI code page)
//   posix-only       marks a case that cannot run on Windows; it says why
//   expected.status  the exit status (absent: 0)
//   expected.stderr  standard error; {prog} stands for the program's name
//                    (absent: nothing)
//   expected.new     new.txt afterwards (absent: as before the run)
//   expected.old     old.txt afterwards (absent: unchanged)
//   expected.X.LOCALE  replaces expected.X for the run under LOCALE, e.g.
//                    expected.new.ja_JP.SHIFT_JIS
// Each run has a fresh work folder WORK/CASE/LOCALE, so relative paths stay
// short.
//
// The environment chooses the program and platform:
//   ALIASCONV_COMMAND       the command that runs the program (default: the
//                           program of this build), e.g. the Wine launcher
//                           followed by aliasconv.exe
//   ALIASCONV_PROGRAM_NAME  what the program gets as its name, for {prog}
//                           (default: ALIASCONV_COMMAND)
//   ALIASCONV_TARGET        "windows": standard error is a Windows text
//                           stream, so every line feed of expected.stderr is
//                           expected as CR LF, and posix-only cases are skipped
//   ALIASCONV_WORK_DIR      WORK (default: e2e-work in this build)
//   ALIASCONV_SAME_AS       the WORK of a run on another platform: old.txt
//                           and new.txt must come out byte for byte as there
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "support/file_bytes.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kDefaultLocale = "C";

struct CaseRun {
  std::string name;
  std::string locale;
  bool namedLocale;  // the case folder names its locales
  bool posixOnly;
};

void PrintTo(const CaseRun& run, std::ostream* out) { *out << run.name << " under " << run.locale; }

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
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
  const std::optional<std::string> args = ReadFileIfPresent(caseDir / "args");
  if (!args) return {"old.txt", "new.txt"};
  return Lines(*args);
}

std::string ShellQuote(const std::string& arg) {
  std::string quoted = "'";
  quoted += ReplaceAll(arg, "'", "'\\''");
  quoted += '\'';
  return quoted;
}

std::string Environment(const char* name, const std::string& otherwise) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : otherwise;
}

std::string Program() { return Environment("ALIASCONV_COMMAND", ALIASCONV_PROGRAM); }

std::string ProgramName() { return Environment("ALIASCONV_PROGRAM_NAME", Program()); }

bool ForWindows() { return Environment("ALIASCONV_TARGET", "") == "windows"; }

fs::path WorkDir() { return Environment("ALIASCONV_WORK_DIR", ALIASCONV_WORK_DIR); }

bool IsBuiltInLocale(const std::string& locale) {
  return locale == "C" || locale == "POSIX" || locale.rfind("C.", 0) == 0;
}

// expected.X.LOCALE when the case has one for this run, else expected.X.
std::optional<std::string> Expected(const fs::path& caseDir, const CaseRun& run,
                                    const std::string& what) {
  const std::string name = "expected." + what;
  if (std::optional<std::string> forLocale = ReadFileIfPresent(caseDir / (name + '.' + run.locale))) {
    return forLocale;
  }
  return ReadFileIfPresent(caseDir / name);
}

std::vector<CaseRun> CaseRuns() {
  std::vector<CaseRun> runs;
  for (const fs::directory_entry& entry : fs::directory_iterator(ALIASCONV_CASES_DIR)) {
    if (!entry.is_directory()) continue;
    const std::string name = entry.path().filename().string();
    const std::optional<std::string> locales = ReadFileIfPresent(entry.path() / "locale");
    if (!locales) {
      runs.push_back({name, kDefaultLocale, false, false});
      continue;
    }
    for (const std::string& line : Lines(*locales)) {
      std::istringstream words(line);
      std::string locale;
      std::string mark;
      if (words >> locale)
        runs.push_back({name, locale, true, words >> mark && mark == "posix-only"});
    }
  }
  std::sort(runs.begin(), runs.end(), [](const CaseRun& a, const CaseRun& b) {
    return a.name != b.name ? a.name < b.name : a.locale < b.locale;
  });
  return runs;
}

std::string TestName(const testing::TestParamInfo<CaseRun>& info) {
  std::string name = info.param.name;
  if (info.param.namedLocale) name += "__" + info.param.locale;
  std::replace_if(
      name.begin(), name.end(), [](char c) { return c == '-' || c == '.' || c == '@'; }, '_');
  return name;
}

class EndToEnd : public testing::TestWithParam<CaseRun> {};

TEST_P(EndToEnd, Case) {
  const CaseRun& run = GetParam();
  const fs::path caseDir = fs::path(ALIASCONV_CASES_DIR) / run.name;
  if (ForWindows()) {
    if (const std::optional<std::string> why = ReadFileIfPresent(caseDir / "posix-only")) {
      GTEST_SKIP() << "POSIX only: " << *why;
    }
    if (run.posixOnly) GTEST_SKIP() << "POSIX only under " << run.locale;
  }
  if (!IsBuiltInLocale(run.locale)) {
    ASSERT_TRUE(fs::is_directory(fs::path(ALIASCONV_LOCALE_DIR) / run.locale))
        << "locale " << run.locale << " was not generated into " << ALIASCONV_LOCALE_DIR
        << " (is localedef installed?)";
  }
  const fs::path work = WorkDir() / run.name / run.locale;
  fs::remove_all(work);
  fs::create_directories(work);
  CopyIfPresent(caseDir / "old", work / "old.txt");
  CopyIfPresent(caseDir / "new.before", work / "new.txt");

  std::string command = "cd ";
  command += ShellQuote(work.string());
  command += " && LOCPATH=";
  command += ShellQuote(ALIASCONV_LOCALE_DIR);
  command += " LC_ALL=";
  command += ShellQuote(run.locale);
  command += ' ';
  command += Program();
  for (const std::string& arg : Arguments(caseDir)) {
    command += ' ';
    command += ShellQuote(arg);
  }
  command += " </dev/null >stdout.out 2>stderr.out";
  const int raw = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(raw)) << command;

  const std::string status = Expected(caseDir, run, "status").value_or("0");
  EXPECT_EQ(WEXITSTATUS(raw), std::stoi(status)) << command;
  EXPECT_EQ(ReadFileIfPresent(work / "stdout.out").value_or("?"), "");
  std::string stderrText =
      ReplaceAll(Expected(caseDir, run, "stderr").value_or(""), "{prog}", ProgramName());
  if (ForWindows()) stderrText = ReplaceAll(stderrText, "\n", "\r\n");
  EXPECT_EQ(ReadFileIfPresent(work / "stderr.out"), stderrText);

  const std::optional<std::string> expectedNew = Expected(caseDir, run, "new");
  EXPECT_EQ(ReadFileIfPresent(work / "new.txt"),
            expectedNew ? expectedNew : ReadFileIfPresent(caseDir / "new.before"))
      << "new.txt";
  const std::optional<std::string> expectedOld = Expected(caseDir, run, "old");
  EXPECT_EQ(ReadFileIfPresent(work / "old.txt"), expectedOld ? expectedOld : ReadFileIfPresent(caseDir / "old"))
      << "old.txt";

  if (const char* other = std::getenv("ALIASCONV_SAME_AS")) {
    const fs::path there = fs::path(other) / run.name / run.locale;
    ASSERT_TRUE(fs::is_directory(there)) << there << " is missing: run that table first";
    for (const char* file : {"new.txt", "old.txt"}) {
      EXPECT_EQ(ReadFileIfPresent(work / file), ReadFileIfPresent(there / file)) << file << " differs from " << there;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, EndToEnd, testing::ValuesIn(CaseRuns()), TestName);

}  // namespace
