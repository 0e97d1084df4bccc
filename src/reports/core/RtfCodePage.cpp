#include "reports/core/RtfCodePage.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <map>
#include <string>
#include <unordered_map>

namespace {

struct TByteCharacter {
  unsigned char Byte;
  char16_t Character;
};

// Apple's double-byte code pages are the Windows ones they were built on
// with a few single bytes of their own.
// Japanese and Traditional Chinese share them.
constexpr TByteCharacter AppleJapaneseBytes[] = {
    {0x80, u'\\'}, {0xA0, u'\u00A0'}, {0xFD, u'\u00A9'}, {0xFE, u'\u2122'}, {0xFF, u'\u2026'}};
constexpr TByteCharacter AppleSimplifiedChineseBytes[] = {
    {0x80, u'\u00FC'}, {0xA0, u'\u00A0'}, {0xFD, u'\u00A9'}, {0xFE, u'\u2122'}, {0xFF, u'\u2026'}};

// Where iconv finds a code page: its name there and the single bytes that
// differ from that conversion.
struct TCodePageSource {
  std::string IconvName;
  const TByteCharacter* Extra = nullptr;
  std::size_t ExtraCount = 0;
};

template <std::size_t Count>
TCodePageSource WithExtra(const char* IconvName, const TByteCharacter (&Extra)[Count]) {
  return {IconvName, Extra, Count};
}

// Code pages are named by their Windows numbers; the Apple ones (10000 and
// up) have names of their own in iconv, or are read through the Windows
// code page of the same script.
TCodePageSource SourceOf(int Number) {
  switch (Number) {
    case MacRomanCodePage:
      return {"MACINTOSH"};
    case 10001:
      return WithExtra("CP932", AppleJapaneseBytes);
    case 10002:
      return WithExtra("CP950", AppleJapaneseBytes);
    case 10003:
      return {"CP949"};
    case 10008:
      return WithExtra("CP936", AppleSimplifiedChineseBytes);
    case 10017:
      return {"MAC-UK"};  // Ukrainian
    case 10029:
      return {"MAC-CENTRALEUROPE"};
    case 10079:
      return {"MAC-IS"};  // Icelandic
    case 65001:
      return {"UTF-8"};
    default:
      return {"CP" + std::to_string(Number)};
  }
}

bool IsAppleCodePage(int Number) { return Number >= MacRomanCodePage && Number < MacRomanCodePage + 100; }

// The code page read in place of one that iconv does not know.
int StandInFor(int Number) { return IsAppleCodePage(Number) ? MacRomanCodePage : DefaultRtfCodePage; }

iconv_t OpenDecoder(int Number) { return iconv_open("UTF-16LE", SourceOf(Number).IconvName.c_str()); }

const iconv_t NoConverter = reinterpret_cast<iconv_t>(-1);

// Converts In as far as it goes; returns the bytes taken, Out gains the
// characters. Stops at a byte sequence that is invalid or incomplete.
std::size_t Convert(iconv_t Converter, std::string_view In, std::u16string& Out, int& Error) {
  char* Input = const_cast<char*>(In.data());
  std::size_t InputLeft = In.size();
  Error = 0;
  char Buffer[1024];
  while (InputLeft > 0) {
    char* Output = Buffer;
    std::size_t OutputLeft = sizeof Buffer;
    const std::size_t Result = iconv(Converter, &Input, &InputLeft, &Output, &OutputLeft);
    for (char* p = Buffer; p + 1 < Output; p += 2)
      Out += static_cast<char16_t>(static_cast<unsigned char>(p[0]) | (static_cast<unsigned char>(p[1]) << 8));
    if (Result == static_cast<std::size_t>(-1) && errno != E2BIG) {
      Error = errno;
      break;
    }
  }
  return In.size() - InputLeft;
}

}  // namespace

struct TRtfCodePage::TConverter {
  iconv_t Handle = NoConverter;
  ~TConverter() {
    if (Handle != NoConverter) iconv_close(Handle);
  }
};

int CodePageOfCharset(int Charset) {
  switch (Charset) {
    case 0:
      return 1252;
    case 77:
      return MacRomanCodePage;
    case 78:
      return 10001;  // Apple Japanese
    case 79:
      return 10003;  // Apple Korean
    case 80:
      return 10008;  // Apple Simplified Chinese
    case 81:
      return 10002;  // Apple Traditional Chinese
    case 83:
      return 10005;  // Apple Hebrew
    case 84:
      return 10004;  // Apple Arabic
    case 85:
      return 10006;  // Apple Greek
    case 86:
      return 10081;  // Apple Turkish
    case 87:
      return 10021;  // Apple Thai
    case 88:
      return 10029;  // Apple Central European
    case 89:
      return 10007;  // Apple Cyrillic
    case 128:
      return 932;
    case 129:
      return 949;
    case 130:
      return 1361;
    case 134:
      return 936;
    case 136:
      return 950;
    case 161:
      return 1253;
    case 162:
      return 1254;
    case 163:
      return 1258;
    case 177:
      return 1255;
    case 178:
      return 1256;
    case 186:
      return 1257;
    case 204:
      return 1251;
    case 222:
      return 874;
    case 238:
      return 1250;
    case 254:
      return 437;
    case 255:
      return 850;
    default:
      return -1;
  }
}

TRtfCodePage::TRtfCodePage(int Number) : FNumber(Number), FConverter(std::make_unique<TConverter>()) {
  FConverter->Handle = OpenDecoder(Number);
  if (FConverter->Handle == NoConverter) {
    FNumber = StandInFor(Number);
    FConverter->Handle = OpenDecoder(FNumber);
  }
  std::u16string Text;
  for (int Byte = 0; Byte < 256; ++Byte) {
    Text.clear();
    int Error = 0;
    const char c = static_cast<char>(Byte);
    if (FConverter->Handle != NoConverter) {
      iconv(FConverter->Handle, nullptr, nullptr, nullptr, nullptr);
      Convert(FConverter->Handle, std::string_view(&c, 1), Text, Error);
    }
    if (Error == EINVAL) FMultiByte = FLeadByte[Byte] = true;
    FSingle[Byte] = Text.size() == 1 ? Text[0] : static_cast<char16_t>(Byte);
  }
  const TCodePageSource Source = SourceOf(FNumber);
  for (std::size_t i = 0; i < Source.ExtraCount; ++i) {
    const TByteCharacter& Extra = Source.Extra[i];
    FSingle[Extra.Byte] = FExtra[Extra.Byte] = Extra.Character;
    FLeadByte[Extra.Byte] = false;
  }
  FHasExtra = Source.ExtraCount > 0;
}

TRtfCodePage::~TRtfCodePage() = default;

void TRtfCodePage::Decode(std::string_view Bytes, std::u16string& Text) const {
  if (!FMultiByte || FConverter->Handle == NoConverter) {
    for (char c : Bytes) Text += FSingle[static_cast<unsigned char>(c)];
    return;
  }
  if (!FHasExtra) {
    DecodeMultiByte(Bytes, Text);
    return;
  }
  // The code page's own single bytes, where a character begins, split the
  // bytes that go through iconv.
  std::size_t Start = 0;
  for (std::size_t i = 0; i < Bytes.size(); ++i) {
    const auto Byte = static_cast<unsigned char>(Bytes[i]);
    if (FLeadByte[Byte]) {
      ++i;  // and its trail byte
    } else if (FExtra[Byte]) {
      DecodeMultiByte(Bytes.substr(Start, i - Start), Text);
      Text += FExtra[Byte];
      Start = i + 1;
    }
  }
  if (Start < Bytes.size()) DecodeMultiByte(Bytes.substr(Start), Text);
}

void TRtfCodePage::DecodeMultiByte(std::string_view Bytes, std::u16string& Text) const {
  while (!Bytes.empty()) {
    iconv(FConverter->Handle, nullptr, nullptr, nullptr, nullptr);
    int Error = 0;
    const std::size_t Taken = Convert(FConverter->Handle, Bytes, Text, Error);
    Bytes.remove_prefix(Taken);
    if (Error == EILSEQ && !Bytes.empty()) {
      Text += u'\uFFFD';
      Bytes.remove_prefix(1);
    } else if (Error != 0) {
      break;
    }
  }
}

const TRtfCodePage& RtfCodePage(int Number) {
  static std::map<int, std::unique_ptr<TRtfCodePage>> Pages;
  const auto Found = Pages.find(Number);
  if (Found != Pages.end()) return *Found->second;
  if (Number != DefaultRtfCodePage && Number != MacRomanCodePage) {
    const iconv_t Probe = OpenDecoder(Number);
    if (Probe == NoConverter) return RtfCodePage(StandInFor(Number));
    iconv_close(Probe);
  }
  return *Pages.emplace(Number, std::make_unique<TRtfCodePage>(Number)).first->second;
}

namespace {

const TRtfCodePage& Windows1252() { return RtfCodePage(DefaultRtfCodePage); }

}  // namespace

char16_t Cp1252ToUnicode(std::uint8_t Byte) {
  static const std::array<char16_t, 256> Characters = [] {
    std::array<char16_t, 256> Table{};
    for (int i = 0; i < 256; ++i) {
      std::u16string Text;
      const char c = static_cast<char>(i);
      Windows1252().Decode(std::string_view(&c, 1), Text);
      Table[static_cast<std::size_t>(i)] = Text.empty() ? static_cast<char16_t>(i) : Text[0];
    }
    return Table;
  }();
  return Characters[Byte];
}

int UnicodeToCp1252(char16_t Character) {
  static const std::unordered_map<char16_t, int> Bytes = [] {
    std::unordered_map<char16_t, int> Map;
    for (int Byte = 255; Byte >= 0; --Byte) Map[Cp1252ToUnicode(static_cast<std::uint8_t>(Byte))] = Byte;
    return Map;
  }();
  const auto Found = Bytes.find(Character);
  return Found == Bytes.end() ? -1 : Found->second;
}
