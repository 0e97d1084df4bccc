#include "store/ByteFile.h"

#include <dirent.h>
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

// Creates an empty temporary file beside Path; returns its descriptor and
// name. It stays private (0600) until its contents are written.
int CreateTempBeside(const std::string& Path, std::string& TempName) {
  std::string Template = Path + TempFileInfix + "XXXXXX";
  std::vector<char> Name(Template.begin(), Template.end());
  Name.push_back('\0');
  const int Fd = mkostemp(Name.data(), O_CLOEXEC);
  if (Fd < 0) return -1;
  TempName = Name.data();
  return Fd;
}

// The mode Path has, or the mode a newly created file would get.
mode_t ModeFor(const std::string& Path) {
  struct stat Existing {};
  if (stat(Path.c_str(), &Existing) == 0) return Existing.st_mode & 07777;
  const mode_t Mask = umask(0);
  umask(Mask);
  return 0666 & ~Mask;
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
    // The mode is given once the contents are written, through the open
    // descriptor, so a read-only target gives a read-only file without a
    // reopen for writing.
    fchmod(Fd, ModeFor(Path));
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

std::string LinkTarget(const std::string& Path) {
  std::string Target = Path;
  // A bounded walk: a loop of links ends at the last name reached.
  for (int Hop = 0; Hop < 40; ++Hop) {
    struct stat Info {};
    if (lstat(Target.c_str(), &Info) != 0 || !S_ISLNK(Info.st_mode)) return Target;
    std::vector<char> Buffer(static_cast<std::size_t>(Info.st_size > 0 ? Info.st_size : 255) + 1);
    const ssize_t Length = readlink(Target.c_str(), Buffer.data(), Buffer.size());
    if (Length < 0 || static_cast<std::size_t>(Length) >= Buffer.size()) return Target;
    std::string Next(Buffer.data(), static_cast<std::size_t>(Length));
    if (!Next.empty() && Next[0] != '/') {
      const auto Slash = Target.find_last_of('/');
      if (Slash != std::string::npos) Next = Target.substr(0, Slash + 1) + Next;
    }
    Target = Next;
  }
  return Target;
}

void WriteFileAtomically(const std::string& Path, const std::vector<std::uint8_t>& Data) {
  const std::string Target = LinkTarget(Path);
  std::string TempName;
  const int Fd = CreateTempBeside(Target, TempName);
  if (Fd < 0) throw TFileIOError(SystemError("Could not create", Path, errno));
  CommitTemp(Fd, TempName, Target, Data);
}

namespace {

bool IsLeftoverTemp(const std::string& Name, const std::string& Base) {
  if (Name.rfind(Base, 0) != 0 || Name.size() < Base.size() + TempFileInfix.size() + 6) return false;
  const std::size_t Infix = Name.size() - 6 - TempFileInfix.size();
  return Name.compare(Infix, TempFileInfix.size(), TempFileInfix) == 0;
}

int RemoveTempsIn(const std::string& Folder, const std::string& Base) {
  int Removed = 0;
  DIR* Dir = opendir(Folder.c_str());
  if (!Dir) return 0;
  while (const dirent* Entry = readdir(Dir)) {
    const std::string Name = Entry->d_name;
    if (!IsLeftoverTemp(Name, Base)) continue;
    const std::string Full = Folder + "/" + Name;
    struct stat Info {};
    if (lstat(Full.c_str(), &Info) == 0 && S_ISREG(Info.st_mode) && unlink(Full.c_str()) == 0) ++Removed;
  }
  closedir(Dir);
  return Removed;
}

std::string BaseName(const std::string& Path) {
  const auto Slash = Path.find_last_of('/');
  return Slash == std::string::npos ? Path : Path.substr(Slash + 1);
}

}  // namespace

int RemoveLeftoverTempFiles(const std::string& Path) {
  int Removed = RemoveTempsIn(FolderOf(Path), BaseName(Path));
  const std::string Target = LinkTarget(Path);
  if (Target != Path) Removed += RemoveTempsIn(FolderOf(Target), BaseName(Target));
  return Removed;
}

TFileStamp StampFile(const std::string& Path) {
  TFileStamp Stamp;
  std::vector<std::uint8_t> Data;
  struct stat Info {};
  if (stat(Path.c_str(), &Info) != 0) return Stamp;
  Stamp.Exists = true;
  Stamp.ModifiedNs = static_cast<std::int64_t>(Info.st_mtim.tv_sec) * 1000000000 + Info.st_mtim.tv_nsec;
  if (!ReadWholeFile(Path, Data)) {
    Stamp.Readable = false;
    Stamp.Size = static_cast<std::uint64_t>(Info.st_size);
    return Stamp;
  }
  Stamp.Size = Data.size();
  Stamp.Hash = ContentHash(Data);
  return Stamp;
}

std::uint64_t ContentHash(const std::vector<std::uint8_t>& Data) {
  // FNV-1a.
  std::uint64_t Hash = 14695981039346656037ull;
  for (std::uint8_t Byte : Data) {
    Hash ^= Byte;
    Hash *= 1099511628211ull;
  }
  return Hash;
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

TByteFile::~TByteFile() { DiscardTemp(); }

void TByteFile::DiscardTemp() {
  if (FTempFd >= 0) close(FTempFd);
  FTempFd = -1;
  if (!FTempName.empty()) unlink(FTempName.c_str());
  FTempName.clear();
}

bool TByteFile::Open(std::uint8_t Mode) {
  if (Mode > 3) return false;
  std::vector<std::uint8_t> Data;
  if (Mode == 0) {
    // A link is written through: the temporary file goes beside its target.
    const std::string Target = LinkTarget(FileName);
    std::string TempName;
    const int Fd = CreateTempBeside(Target, TempName);
    if (Fd < 0) return false;
    DiscardTemp();
    FTempFd = Fd;
    FTempName = TempName;
    FTarget = Target;
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

void TByteFile::OpenBytes(std::vector<std::uint8_t> Data) {
  DiscardTemp();
  FBuffer = std::move(Data);
  FPosition = 0;
  FReadFailed = false;
  FOpen = true;
  OpenMode = 1;
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
  const int Fd = FTempFd;
  FTempName.clear();
  FTempFd = -1;
  CommitTemp(Fd, TempName, FTarget, FBuffer);
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
