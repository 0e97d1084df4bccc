#include "reports/core/ReportFiles.h"

#include <cerrno>
#include <cstring>
#include <vector>

#include "store/ByteFile.h"
#include "store/StoreErrors.h"

const std::string ReportTemplateFileName = "ReportTemplate.rtf";

std::string ReadWholeTextFile(const std::string& Path) {
  std::vector<std::uint8_t> Data;
  if (!ReadWholeFile(Path, Data))
    throw TFileIOError("Could not read '" + Path + "': " + std::strerror(errno));
  return std::string(Data.begin(), Data.end());
}

void WriteWholeTextFile(const std::string& Path, const std::string& Bytes) {
  WriteFileAtomically(Path, std::vector<std::uint8_t>(Bytes.begin(), Bytes.end()));
}

bool HasFileExtension(const std::string& Path, const std::string& Extension) {
  const std::size_t NameStart = Path.find_last_of('/') == std::string::npos ? 0 : Path.find_last_of('/') + 1;
  const std::size_t Dot = Path.find_last_of('.');
  if (Dot == std::string::npos || Dot < NameStart) return false;
  const auto Upper = [](std::string Text) {
    for (char& c : Text)
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return Text;
  };
  return Upper(Path.substr(Dot)) == Upper(Extension);
}

bool IsRichTextFileName(const std::string& Path) { return HasFileExtension(Path, ".rtf"); }
