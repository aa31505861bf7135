#pragma once

/// The whole program after start-up: checks the command line, converts the
/// old file argv[1] into the new file argv[2], and returns the exit status.
int RunAliasConv(int argc, const char* const* argv);

/// Reports "not enough memory" and ends the process with status 1; the
/// program's new-handler. No file is open for writing whenever memory is
/// asked for, so ending at once damages none.
[[noreturn]] void ExitOutOfMemory();
