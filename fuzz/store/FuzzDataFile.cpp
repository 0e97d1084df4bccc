// Feeds arbitrary bytes to the data file loader, and saves whatever it read.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <exception>
#include <string>

#include "store/Traveler.h"

namespace {

std::string ScratchFile(const char* Name) {
  return std::string("/tmp/qmp-fuzz-") + std::to_string(getpid()) + "-" + Name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  static const std::string Input = ScratchFile("in.dat");
  static const std::string Output = ScratchFile("out.dat");
  if (FILE* File = std::fopen(Input.c_str(), "wb")) {
    std::fwrite(Data, 1, Size, File);
    std::fclose(File);
  }
  TTravelerData Store;
  try {
    Store.LoadFromFile(Input);
    // What was read must be writable again, or refused with a message.
    Store.SaveToFile(Output);
  } catch (const std::exception&) {
  }
  return 0;
}
