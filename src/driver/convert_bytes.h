// The whole conversion over bytes in memory: the same normaliser, parser and
// writer as a run over files, without touching the disk.
#pragma once

#include <string>
#include <string_view>

#include "common/lead_bytes.h"
#include "table/alias_table.h"

/// Loads table from the old file's bytes under the given lead bytes and, on
/// success, sets newFile to the bytes of the new file. 1 on success; 0 after
/// reporting the failure as a run would (path names the old file in
/// messages). The lead bytes in force are the same afterwards as before.
int ConvertBytes(CAliasTable& table, std::string_view oldFile, const LeadByteSet& leads,
                 const char* path, std::string& newFile);
