#include "app/StoreText.h"

namespace {

// Windows-1252 code points for the bytes 0x80..0x9F; the bytes undefined in
// that code page map to the C1 control of the same value, as Latin-1 does.
constexpr char16_t Cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool IsValidUtf8(const std::string& Bytes) {
  const auto* p = reinterpret_cast<const unsigned char*>(Bytes.data());
  const auto* End = p + Bytes.size();
  while (p < End) {
    const unsigned char c = *p;
    if (c < 0x80) {
      ++p;
      continue;
    }
    int More;
    char32_t Code;
    if (c >= 0xC2 && c <= 0xDF) {
      More = 1;
      Code = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
      More = 2;
      Code = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
      More = 3;
      Code = c & 0x07;
    } else {
      return false;
    }
    if (End - p <= More) return false;
    for (int i = 1; i <= More; ++i) {
      if ((p[i] & 0xC0) != 0x80) return false;
      Code = (Code << 6) | (p[i] & 0x3F);
    }
    // Overlong forms, surrogates and values above U+10FFFF are not UTF-8.
    if ((More == 2 && Code < 0x800) || (More == 3 && (Code < 0x10000 || Code > 0x10FFFF)) ||
        (Code >= 0xD800 && Code <= 0xDFFF))
      return false;
    p += More + 1;
  }
  return true;
}

QString FromCp1252(const std::string& Bytes) {
  QString Text;
  Text.reserve(static_cast<qsizetype>(Bytes.size()));
  for (unsigned char c : Bytes)
    Text.append(QChar(c >= 0x80 && c <= 0x9F ? Cp1252High[c - 0x80] : char16_t(c)));
  return Text;
}

}  // namespace

QString FromStore(const std::string& Bytes) {
  if (IsValidUtf8(Bytes)) return QString::fromUtf8(Bytes.data(), static_cast<qsizetype>(Bytes.size()));
  return FromCp1252(Bytes);
}

std::string ToStore(const QString& Text) { return Text.toStdString(); }

QStringList FromStoreLines(const std::vector<std::string>& Lines) {
  QStringList Result;
  Result.reserve(static_cast<qsizetype>(Lines.size()));
  for (const auto& Line : Lines) Result.append(FromStore(Line));
  return Result;
}

std::vector<std::string> ToStoreLines(const QStringList& Lines) {
  std::vector<std::string> Result;
  Result.reserve(static_cast<std::size_t>(Lines.size()));
  for (const auto& Line : Lines) Result.push_back(ToStore(Line));
  return Result;
}
