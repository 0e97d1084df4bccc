// A sequential byte stream over a file: bytes, 16-bit little-endian words and
// strings written as a word length followed by the bytes.
//
// The whole file is read into memory when it is opened for reading, and the
// output is built in memory and written when the stream is closed: into a
// temporary file beside the target, flushed and synced, then renamed over the
// target, so an existing file is never left half written.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TByteFile {
 public:
  explicit TByteFile(std::string FileName);
  // Closes the stream. A stream opened for writing that was never closed is
  // discarded: the target file is left as it was.
  ~TByteFile();
  TByteFile(const TByteFile&) = delete;
  TByteFile& operator=(const TByteFile&) = delete;

  // Mode 0: create or replace the file for writing. Mode 1: read an existing
  // file from its start. Mode 2: read and write an existing file. Mode 3: an
  // existing file positioned at its end; writes are refused. Any failure gives
  // false and leaves OpenMode unchanged.
  bool Open(std::uint8_t Mode);
  // Opens Data as if it were the file's contents, for reading (mode 1); the
  // file itself is not touched.
  void OpenBytes(std::vector<std::uint8_t> Data);
  // Ends the stream; for the writing modes this is when the file is written.
  // Throws TFileIOError when the file is not open or cannot be written.
  void Close();

  void WriteByte(std::uint8_t Value);
  void WriteWord(std::uint16_t Value);
  void WriteString(const std::string& Text);

  // A read past the end (or of a file that is not open) yields 0 and sets
  // ReadFailed(); it never throws.
  std::uint8_t ReadByte();
  std::uint16_t ReadWord();
  std::string ReadString();
  // ReadString into Text, reusing its storage.
  void ReadStringInto(std::string& Text);
  bool ReadFailed() const { return FReadFailed; }
  // Bytes not yet read.
  std::size_t BytesLeft() const { return FPosition < FBuffer.size() ? FBuffer.size() - FPosition : 0; }
  // Makes room for Size bytes of output.
  void Reserve(std::size_t Size) { FBuffer.reserve(Size); }

  const std::string FileName;
  std::uint8_t OpenMode = 0;

 private:
  void CommitOutput();
  void DiscardTemp();

  bool FOpen = false;
  bool FReadFailed = false;
  std::vector<std::uint8_t> FBuffer;
  std::size_t FPosition = 0;
  std::string FTempName;  // the temporary file of mode 0, open as FTempFd
  int FTempFd = -1;
  std::string FTarget;    // the file mode 0 replaces: FileName, or the end of its links
};

// Writes Data to Path so that Path holds either its old contents or all of
// Data: temporary file in the same folder, fsync, rename. A symbolic link is
// written through to its target (a dangling one creates it), and the target
// keeps its owner and mode. A target that exists and is not a regular file
// (a folder, a pipe, a device) is refused. Throws TFileIOError.
void WriteFileAtomically(const std::string& Path, const std::vector<std::uint8_t>& Data);

// WriteFileAtomically for a file that is the program's own (the recovery
// file): a symbolic link at Path is replaced by the file, never written
// through.
void ReplaceOwnFileAtomically(const std::string& Path, const std::vector<std::uint8_t>& Data);

// Copies Path to Path + Suffix (for example ".damaged-20261209-101500") and
// returns the new name. A kept copy never replaces anything: when the name is
// taken, "-2", "-3"... is appended. Throws TFileIOError.
std::string CopyFileAside(const std::string& Path, const std::string& Suffix);
// Renames Path to Path + Suffix, numbered like CopyFileAside, and returns the
// new name. Throws TFileIOError.
std::string MoveFileAside(const std::string& Path, const std::string& Suffix);
// The name CopyFileAside or MoveFileAside would give now, to name it to the
// user beforehand.
std::string FreeAsideName(const std::string& Path, const std::string& Suffix);

// Reads a whole file; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& Path, std::vector<std::uint8_t>& Data);

// The file a symbolic link Path finally names (Path itself when it is not a
// link), followed even when it does not exist yet.
std::string LinkTarget(const std::string& Path);

// The lock file of DataFile: beside the file its links lead to, so that every
// link to one data file takes the same lock.
std::string LockFileBeside(const std::string& DataFile);

// Removes the temporary files that interrupted writes of DataFile (beside
// the file its links lead to) and of RecoveryFile left behind: only files of
// the exact name a write gives them that hold the start of a data file (or
// nothing yet). Returns how many were removed.
int RemoveLeftoverTempFiles(const std::string& DataFile, const std::string& RecoveryFile);

// What a file held when it was read or written, to notice a change made by
// another program since.
struct TFileStamp {
  bool Exists = false;
  bool Readable = true;
  std::uint64_t Size = 0;
  std::int64_t ModifiedNs = 0;
  std::uint64_t Hash = 0;
  // Same contents (or both missing); the modification time alone does not
  // count, so a file touched but not changed is the same file.
  bool SameContents(const TFileStamp& Other) const {
    return Exists == Other.Exists && Readable == Other.Readable && Size == Other.Size && Hash == Other.Hash;
  }
};
TFileStamp StampFile(const std::string& Path);
std::uint64_t ContentHash(const std::vector<std::uint8_t>& Data);
