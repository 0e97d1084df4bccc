// The code pages of rich-text files: what the bytes of \'hh escapes and of
// 8-bit text stand for. Conversions come from the C library's iconv.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

// The code page rich text uses where the file names none.
inline constexpr int DefaultRtfCodePage = 1252;
// The Apple Roman code page (\mac, \fcharset77).
inline constexpr int MacRomanCodePage = 10000;

// The code page of a font character set (\fcharsetN), Apple's (77 to 89)
// included: -1 for the default set (1), which stands for the document's
// code page, and for sets without one; SymbolCharset for symbol fonts.
inline constexpr int SymbolCharset = 2;
int CodePageOfCharset(int Charset);

// One code page, by its Windows number (1251, 932, 10000...).
class TRtfCodePage {
 public:
  // A code page that the C library does not know is read as Windows-1252,
  // an Apple one (10000 to 10099) as Apple Roman.
  explicit TRtfCodePage(int Number);
  ~TRtfCodePage();
  TRtfCodePage(const TRtfCodePage&) = delete;
  TRtfCodePage& operator=(const TRtfCodePage&) = delete;

  int Number() const { return FNumber; }
  // Whether characters may take two bytes (932, 936, 949, 950...).
  bool IsMultiByte() const { return FMultiByte; }
  // Appends the characters of Bytes to Text. A byte the code page leaves
  // undefined stands for the control character of its value in a
  // single-byte page, for U+FFFD in a multi-byte one; an incomplete
  // character at the end is dropped.
  void Decode(std::string_view Bytes, std::u16string& Text) const;

 private:
  void DecodeMultiByte(std::string_view Bytes, std::u16string& Text) const;

  struct TConverter;
  int FNumber;
  bool FMultiByte = false;
  bool FLeadByte[256] = {};
  char16_t FSingle[256] = {};
  // Single bytes the code page reads otherwise than iconv's conversion; 0
  // for none.
  bool FHasExtra = false;
  char16_t FExtra[256] = {};
  std::unique_ptr<TConverter> FConverter;
};

// The code page Number, made once and kept; for a number that the C
// library does not know, Apple Roman or Windows-1252 as TRtfCodePage reads
// it.
const TRtfCodePage& RtfCodePage(int Number);

// The character of byte Byte in Windows-1252; the five bytes the code page
// leaves undefined stand for the control character of the same value.
char16_t Cp1252ToUnicode(std::uint8_t Byte);

// The byte of Character in Windows-1252, or -1 when the code page has none.
int UnicodeToCp1252(char16_t Character);
