// Feeds arbitrary bytes to the rich-text reader; whatever it reads, the
// writer must write so that reading it again gives the same document.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "reports/core/RtfReader.h"
#include "reports/core/RtfWriter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const std::string Bytes(reinterpret_cast<const char*>(Data), Size);
  const TRtfDocument Document = ReadRtf(Bytes);
  const std::string Written = WriteRtf(Document);
  if (!(ReadRtf(Written) == Document)) {
    std::fprintf(stderr, "read, write, read gave another document:\n%s\n", Written.c_str());
    std::abort();
  }
  return 0;
}
