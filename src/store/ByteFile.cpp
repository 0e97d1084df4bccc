#include "store/ByteFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "store/DataFileFormat.h"
#include "store/StoreErrors.h"

namespace {

std::string SystemError(const std::string& What, const std::string& Path, int Error) {
  return What + " '" + Path + "': " + std::strerror(Error);
}

std::string FolderOf(const std::string& Path) {
  const auto Slash = Path.find_last_of('/');
  if (Slash == std::string::npos) return ".";
  if (Slash == 0) return "/";
  return Path.substr(0, Slash);
}

// Creates an empty temporary file beside Path; returns its descriptor and name.
int CreateTempBeside(const std::string& Path, std::string& TempName) {
  std::string Template = Path + TempFileInfix + "XXXXXX";
  std::vector<char> Name(Template.begin(), Template.end());
  Name.push_back('\0');
  const int Fd = mkstemp(Name.data());
  if (Fd < 0) return -1;
  TempName = Name.data();
  // mkstemp creates the file private (0600); give it the mode the target has,
  // or the mode a newly created file would get.
  struct stat Existing {};
  mode_t Mode;
  if (stat(Path.c_str(), &Existing) == 0) {
    Mode = Existing.st_mode & 07777;
  } else {
    const mode_t Mask = umask(0);
    umask(Mask);
    Mode = 0666 & ~Mask;
  }
  fchmod(Fd, Mode);
  return Fd;
}

void WriteAll(int Fd, const std::uint8_t* Data, std::size_t Size, const std::string& Path) {
  while (Size > 0) {
    const ssize_t Written = write(Fd, Data, Size);
    if (Written < 0) {
      if (errno == EINTR) continue;
      throw TFileIOError(SystemError("Could not write", Path, errno));
    }
    Data += Written;
    Size -= static_cast<std::size_t>(Written);
  }
}

// Writes Data into the open temporary file Fd, syncs it and renames it over
// Path. On any failure the temporary file is removed and TFileIOError thrown.
void CommitTemp(int Fd, const std::string& TempName, const std::string& Path,
                const std::vector<std::uint8_t>& Data) {
  try {
    WriteAll(Fd, Data.data(), Data.size(), Path);
    if (fsync(Fd) != 0) throw TFileIOError(SystemError("Could not write", Path, errno));
    const int Closed = close(Fd);
    Fd = -1;
    if (Closed != 0) throw TFileIOError(SystemError("Could not write", Path, errno));
    if (std::rename(TempName.c_str(), Path.c_str()) != 0)
      throw TFileIOError(SystemError("Could not replace", Path, errno));
  } catch (...) {
    if (Fd >= 0) close(Fd);
    unlink(TempName.c_str());
    throw;
  }
  // Make the rename itself durable.
  const int Dir = open(FolderOf(Path).c_str(), O_RDONLY | O_DIRECTORY);
  if (Dir >= 0) {
    fsync(Dir);
    close(Dir);
  }
}

}  // namespace

bool ReadWholeFile(const std::string& Path, std::vector<std::uint8_t>& Data) {
  const int Fd = open(Path.c_str(), O_RDONLY | O_CLOEXEC);
  if (Fd < 0) return false;
  struct stat Info {};
  if (fstat(Fd, &Info) != 0 || !S_ISREG(Info.st_mode)) {
    const bool Folder = S_ISDIR(Info.st_mode);
    close(Fd);
    errno = Folder ? EISDIR : EINVAL;
    return false;
  }
  Data.resize(static_cast<std::size_t>(Info.st_size));
  std::size_t Done = 0;
  while (Done < Data.size()) {
    const ssize_t Got = read(Fd, Data.data() + Done, Data.size() - Done);
    if (Got < 0 && errno == EINTR) continue;
    if (Got <= 0) break;
    Done += static_cast<std::size_t>(Got);
  }
  close(Fd);
  // A file that shrank while it was read yields what was there.
  Data.resize(Done);
  return true;
}

void WriteFileAtomically(const std::string& Path, const std::vector<std::uint8_t>& Data) {
  std::string TempName;
  const int Fd = CreateTempBeside(Path, TempName);
  if (Fd < 0) throw TFileIOError(SystemError("Could not create", Path, errno));
  CommitTemp(Fd, TempName, Path, Data);
}

std::string CopyFileAside(const std::string& Path, const std::string& Suffix) {
  std::vector<std::uint8_t> Data;
  if (!ReadWholeFile(Path, Data)) throw TFileIOError(SystemError("Could not read", Path, errno));
  const std::string Target = Path + Suffix;
  WriteFileAtomically(Target, Data);
  return Target;
}

// ---- TByteFile ----

TByteFile::TByteFile(std::string FileName) : FileName(std::move(FileName)) {}

TByteFile::~TByteFile() {
  if (!FTempName.empty()) unlink(FTempName.c_str());
}

bool TByteFile::Open(std::uint8_t Mode) {
  if (Mode > 3) return false;
  std::vector<std::uint8_t> Data;
  if (Mode == 0) {
    std::string TempName;
    const int Fd = CreateTempBeside(FileName, TempName);
    if (Fd < 0) return false;
    close(Fd);
    if (!FTempName.empty()) unlink(FTempName.c_str());
    FTempName = TempName;
  } else if (!ReadWholeFile(FileName, Data)) {
    return false;
  }
  FBuffer = std::move(Data);
  FPosition = Mode == 3 ? FBuffer.size() : 0;
  FReadFailed = false;
  FOpen = true;
  OpenMode = Mode;
  return true;
}

void TByteFile::Close() {
  if (!FOpen) throw TFileIOError("File not open: '" + FileName + "'");
  FOpen = false;
  if (OpenMode == 0 || OpenMode == 2) CommitOutput();
  FBuffer.clear();
  FBuffer.shrink_to_fit();
}

void TByteFile::CommitOutput() {
  if (OpenMode == 2) {
    WriteFileAtomically(FileName, FBuffer);
    return;
  }
  const std::string TempName = FTempName;
  FTempName.clear();
  const int Fd = open(TempName.c_str(), O_WRONLY | O_TRUNC);
  if (Fd < 0) {
    const int Error = errno;
    unlink(TempName.c_str());
    throw TFileIOError(SystemError("Could not write", FileName, Error));
  }
  CommitTemp(Fd, TempName, FileName, FBuffer);
}

void TByteFile::WriteByte(std::uint8_t Value) {
  if (!FOpen || (OpenMode != 0 && OpenMode != 2)) return;
  if (FPosition == FBuffer.size()) {
    FBuffer.push_back(Value);
    ++FPosition;
    return;
  }
  if (FPosition < FBuffer.size())
    FBuffer[FPosition] = Value;
  else
    FBuffer.push_back(Value);
  ++FPosition;
}

void TByteFile::WriteWord(std::uint16_t Value) {
  WriteByte(static_cast<std::uint8_t>(Value & 0xFF));
  WriteByte(static_cast<std::uint8_t>(Value >> 8));
}

void TByteFile::WriteString(const std::string& Text) {
  WriteWord(static_cast<std::uint16_t>(Text.size()));
  if (!FOpen || (OpenMode != 0 && OpenMode != 2)) return;
  if (FPosition == FBuffer.size()) {
    FBuffer.insert(FBuffer.end(), Text.begin(), Text.end());
    FPosition = FBuffer.size();
  } else {
    for (unsigned char Byte : Text) WriteByte(Byte);
  }
}

std::uint8_t TByteFile::ReadByte() {
  if (!FOpen || FPosition >= FBuffer.size()) {
    FReadFailed = true;
    return 0;
  }
  return FBuffer[FPosition++];
}

std::uint16_t TByteFile::ReadWord() {
  const std::uint16_t Low = ReadByte();
  const std::uint16_t High = ReadByte();
  return static_cast<std::uint16_t>(Low | (High << 8));
}

std::string TByteFile::ReadString() {
  std::string Text;
  ReadStringInto(Text);
  return Text;
}

void TByteFile::ReadStringInto(std::string& Text) {
  std::size_t Length;
  if (FOpen && FBuffer.size() - FPosition >= 2) {
    Length = FBuffer[FPosition] | (static_cast<std::size_t>(FBuffer[FPosition + 1]) << 8);
    FPosition += 2;
  } else {
    Length = ReadWord();
  }
  const std::size_t Available = FBuffer.size() - FPosition;
  const std::size_t Taken = Length < Available ? Length : Available;
  Text.clear();
  Text.append(reinterpret_cast<const char*>(FBuffer.data()) + FPosition, Taken);
  FPosition += Taken;
  if (Taken < Length) FReadFailed = true;
}
