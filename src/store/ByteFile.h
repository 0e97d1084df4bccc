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

  bool FOpen = false;
  bool FReadFailed = false;
  std::vector<std::uint8_t> FBuffer;
  std::size_t FPosition = 0;
  std::string FTempName;  // the temporary file of the writing modes
};

// Writes Data to Path so that Path holds either its old contents or all of
// Data: temporary file in the same folder, fsync, rename. Throws TFileIOError.
void WriteFileAtomically(const std::string& Path, const std::vector<std::uint8_t>& Data);

// Copies Path to Path + Suffix (for example ".damaged-20261209-101500") and
// returns the new name. Throws TFileIOError.
std::string CopyFileAside(const std::string& Path, const std::string& Suffix);

// Reads a whole file; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& Path, std::vector<std::uint8_t>& Data);
