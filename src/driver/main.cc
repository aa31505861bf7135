#include "common/lead_bytes.h"
#include "driver/run.h"

int main(int argc, char** argv) {
  InitLeadBytesFromSystem();
  return RunAliasConv(argc, argv);
}
