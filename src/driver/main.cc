#include <new>

#include "common/lead_bytes.h"
#include "driver/run.h"

int main(int argc, char** argv) {
  InitLeadBytesFromSystem();
  std::set_new_handler(ExitOutOfMemory);
  return RunAliasConv(argc, argv);
}
