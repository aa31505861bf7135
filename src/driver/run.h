#pragma once

/// The whole program after start-up: checks the command line, converts the
/// old file argv[1] into the new file argv[2], and returns the exit status.
int RunAliasConv(int argc, const char* const* argv);
