#include "store/ByteFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
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

// The mode a newly created file gets.
mode_t NewFileMode() {
  const mode_t Mask = umask(0);
  umask(Mask);
  return 0666 & ~Mask;
}

// What the file Path replaces: its mode and owner, or those of a new file.
struct TReplaced {
  bool Exists = false;
  struct stat Info {};
  mode_t Mode() const { return Exists ? (Info.st_mode & 07777) : NewFileMode(); }
};

// Path as it is now; a name that is not a regular file is refused, so that
// no folder, pipe or device is ever replaced by a file. Follows links
// unless FollowLinks is false, when a link counts as nothing to keep.
TReplaced Inspect(const std::string& Path, bool FollowLinks) {
  TReplaced Replaced;
  const int Found = FollowLinks ? stat(Path.c_str(), &Replaced.Info) : lstat(Path.c_str(), &Replaced.Info);
  if (Found != 0) return Replaced;
  if (!FollowLinks && S_ISLNK(Replaced.Info.st_mode)) return Replaced;
  if (!S_ISREG(Replaced.Info.st_mode))
    throw TFileIOError("Could not replace '" + Path + "': it is not a regular file");
  Replaced.Exists = true;
  return Replaced;
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

// Writes Data into the open temporary file Fd, gives it the owner and mode
// of what it replaces, syncs and closes it. On any failure the temporary file
// is removed and TFileIOError thrown.
void FillTemp(int Fd, const std::string& TempName, const std::string& Path, const TReplaced& Replaced,
              const std::vector<std::uint8_t>& Data) {
  try {
    WriteAll(Fd, Data.data(), Data.size(), Path);
    // A file replaced by another user (root saving a user's file) stays
    // theirs; where the owner cannot be given, the file is the writer's.
    if (Replaced.Exists && (Replaced.Info.st_uid != geteuid() || Replaced.Info.st_gid != getegid()) &&
        fchown(Fd, Replaced.Info.st_uid, Replaced.Info.st_gid) != 0) {
      // Not permitted: an ordinary user cannot give files away.
    }
    // The mode is given once the contents are written, through the open
    // descriptor, so a read-only target gives a read-only file without a
    // reopen for writing; after the owner, which may clear set-id bits.
    fchmod(Fd, Replaced.Mode());
    if (fsync(Fd) != 0) throw TFileIOError(SystemError("Could not write", Path, errno));
    const int Closed = close(Fd);
    Fd = -1;
    if (Closed != 0) throw TFileIOError(SystemError("Could not write", Path, errno));
  } catch (...) {
    if (Fd >= 0) close(Fd);
    unlink(TempName.c_str());
    throw;
  }
}

// Makes a rename in the folder of Path durable.
void SyncFolderOf(const std::string& Path) {
  const int Dir = open(FolderOf(Path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (Dir >= 0) {
    fsync(Dir);
    close(Dir);
  }
}

// FillTemp, then renames the temporary file over Path.
void CommitTemp(int Fd, const std::string& TempName, const std::string& Path, const TReplaced& Replaced,
                const std::vector<std::uint8_t>& Data) {
  FillTemp(Fd, TempName, Path, Replaced, Data);
  if (std::rename(TempName.c_str(), Path.c_str()) != 0) {
    const int Error = errno;
    unlink(TempName.c_str());
    throw TFileIOError(SystemError("Could not replace", Path, Error));
  }
  SyncFolderOf(Path);
}

// Renames From to To unless To exists (as anything, a dangling link too).
// False with errno EEXIST when it does.
bool RenameWithoutReplacing(const std::string& From, const std::string& To) {
  if (renameat2(AT_FDCWD, From.c_str(), AT_FDCWD, To.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP) return false;
  // A file system without that rename: a hard link cannot replace either.
  if (link(From.c_str(), To.c_str()) == 0) {
    unlink(From.c_str());
    return true;
  }
  if (errno != EPERM && errno != EOPNOTSUPP) return false;
  // Neither: the check and the rename are two steps.
  struct stat Existing {};
  if (lstat(To.c_str(), &Existing) == 0) {
    errno = EEXIST;
    return false;
  }
  return std::rename(From.c_str(), To.c_str()) == 0;
}

// Kept copies are numbered when their name is taken: Name, Name-2, Name-3...
constexpr int MostKeptCopiesOfOneName = 999;
std::string NumberedName(const std::string& Name, int Number) {
  return Number == 1 ? Name : Name + "-" + std::to_string(Number);
}

// Renames From to the first free numbered name of Name and returns it.
std::string RenameToFreeName(const std::string& From, const std::string& Name) {
  for (int Number = 1; Number <= MostKeptCopiesOfOneName; ++Number) {
    const std::string To = NumberedName(Name, Number);
    if (RenameWithoutReplacing(From, To)) {
      SyncFolderOf(To);
      return To;
    }
    if (errno != EEXIST) throw TFileIOError(SystemError("Could not create", To, errno));
  }
  throw TFileIOError(SystemError("Could not create", Name, EEXIST));
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
  const TReplaced Replaced = Inspect(Target, true);
  std::string TempName;
  const int Fd = CreateTempBeside(Target, TempName);
  if (Fd < 0) throw TFileIOError(SystemError("Could not create", Path, errno));
  CommitTemp(Fd, TempName, Target, Replaced, Data);
}

void ReplaceOwnFileAtomically(const std::string& Path, const std::vector<std::uint8_t>& Data) {
  const TReplaced Replaced = Inspect(Path, false);
  std::string TempName;
  const int Fd = CreateTempBeside(Path, TempName);
  if (Fd < 0) throw TFileIOError(SystemError("Could not create", Path, errno));
  CommitTemp(Fd, TempName, Path, Replaced, Data);
}

std::string FreeAsideName(const std::string& Path, const std::string& Suffix) {
  for (int Number = 1; Number <= MostKeptCopiesOfOneName; ++Number) {
    const std::string Name = NumberedName(Path + Suffix, Number);
    struct stat Existing {};
    if (lstat(Name.c_str(), &Existing) != 0) return Name;
  }
  return Path + Suffix;
}

std::string MoveFileAside(const std::string& Path, const std::string& Suffix) {
  return RenameToFreeName(Path, Path + Suffix);
}

std::string LockFileBeside(const std::string& DataFile) { return LinkTarget(DataFile) + LockFileSuffix; }

namespace {

// The exact name CreateTempBeside gives a temporary file of Base: Base, the
// infix and the six letters or digits mkostemp puts in.
bool IsTempNameOf(const std::string& Name, const std::string& Base) {
  constexpr std::size_t RandomLetters = 6;
  if (Name.size() != Base.size() + TempFileInfix.size() + RandomLetters) return false;
  if (Name.compare(0, Base.size(), Base) != 0 || Name.compare(Base.size(), TempFileInfix.size(), TempFileInfix) != 0)
    return false;
  for (std::size_t i = Name.size() - RandomLetters; i < Name.size(); ++i) {
    const char c = Name[i];
    if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) return false;
  }
  return true;
}

// Whether the regular file Path holds what a temporary file of the data file
// (or of its recovery file) holds when a save stops at any point: the data
// file's first bytes, as far as they go, or nothing at all while it is
// still private (it gets its mode only once written).
bool HoldsAPartialDataFile(const std::string& Path) {
  const int Fd = open(Path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (Fd < 0) return false;
  struct stat Info {};
  std::vector<std::uint8_t> Start(2 + DataFileHeader.size());
  ssize_t Got = -1;
  if (fstat(Fd, &Info) == 0 && S_ISREG(Info.st_mode)) {
    do Got = read(Fd, Start.data(), Start.size());
    while (Got < 0 && errno == EINTR);
  }
  close(Fd);
  if (Got < 0) return false;
  if (Got == 0) return Info.st_size == 0 && (Info.st_mode & 07777) == 0600;
  std::vector<std::uint8_t> Header = {static_cast<std::uint8_t>(DataFileHeader.size() & 0xFF),
                                      static_cast<std::uint8_t>(DataFileHeader.size() >> 8)};
  Header.insert(Header.end(), DataFileHeader.begin(), DataFileHeader.end());
  return std::equal(Start.begin(), Start.begin() + Got, Header.begin());
}

int RemoveTempsIn(const std::string& Folder, const std::string& Base) {
  int Removed = 0;
  DIR* Dir = opendir(Folder.c_str());
  if (!Dir) return 0;
  while (const dirent* Entry = readdir(Dir)) {
    const std::string Name = Entry->d_name;
    if (!IsTempNameOf(Name, Base)) continue;
    const std::string Full = Folder + "/" + Name;
    if (HoldsAPartialDataFile(Full) && unlink(Full.c_str()) == 0) ++Removed;
  }
  closedir(Dir);
  return Removed;
}

std::string BaseName(const std::string& Path) {
  const auto Slash = Path.find_last_of('/');
  return Slash == std::string::npos ? Path : Path.substr(Slash + 1);
}

}  // namespace

int RemoveLeftoverTempFiles(const std::string& DataFile, const std::string& RecoveryFile) {
  // The data file is written beside the file its links lead to, the
  // recovery file beside itself.
  const std::string Target = LinkTarget(DataFile);
  int Removed = RemoveTempsIn(FolderOf(Target), BaseName(Target));
  Removed += RemoveTempsIn(FolderOf(RecoveryFile), BaseName(RecoveryFile));
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
  // Written under a temporary name, then given the first free kept name:
  // a kept copy never replaces anything, not even a link.
  const std::string Name = Path + Suffix;
  std::string TempName;
  const int Fd = CreateTempBeside(Name, TempName);
  if (Fd < 0) throw TFileIOError(SystemError("Could not create", Name, errno));
  FillTemp(Fd, TempName, Name, TReplaced{}, Data);
  try {
    return RenameToFreeName(TempName, Name);
  } catch (...) {
    unlink(TempName.c_str());
    throw;
  }
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
  TReplaced Replaced;
  try {
    Replaced = Inspect(FTarget, true);
  } catch (...) {
    close(Fd);
    unlink(TempName.c_str());
    throw;
  }
  CommitTemp(Fd, TempName, FTarget, Replaced, FBuffer);
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
