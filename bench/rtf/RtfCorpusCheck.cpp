// Compares the text the rich-text reader gives for a folder of .rtf files
// with reference texts, one expected/<name>.txt (UTF-8) for each
// <name>.rtf: "rtf_corpus_check FOLDER". Both sides are compared line by
// line after spacing is evened out (every kind of space or tab becomes one
// space, lines are trimmed, empty lines dropped): word processors differ in
// how they export spacing and empty paragraphs, not in the words. A
// document "keeps more" when the reference lines all occur in order among
// the reader's lines. Where lines differ, the letters alone are compared
// as well (digits, punctuation, symbols and spaces dropped): the document
// "keeps the letters" when the reference's letters all occur in order among
// the reader's; a list's bullet or number, a footnote's mark, a character
// shown as "?" or a symbol that one side drops differ, no text is lost. Prints one line a document and a total; exit code
// 1 when a document's letters differ.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "reports/core/RtfReader.h"
#include "reports/core/Utf8Text.h"

namespace {

std::string ReadFile(const std::filesystem::path& Path) {
  std::ifstream In(Path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>());
}

// The document's text in UTF-8: a line a paragraph, line breaks as lines.
std::string DocumentText(const TRtfDocument& Document) {
  std::string Text;
  for (const TRtfParagraph& Paragraph : Document.Paragraphs) {
    for (const TRtfRun& Run : Paragraph.Runs)
      for (std::size_t i = 0; i < Run.Text.size(); ++i) {
        char32_t Code = Run.Text[i];
        const bool Pair = Code >= 0xD800 && Code < 0xDC00 && i + 1 < Run.Text.size() &&
                          Run.Text[i + 1] >= 0xDC00 && Run.Text[i + 1] < 0xE000;
        if (Pair) {
          Code = 0x10000 + ((Code - 0xD800) << 10) + (Run.Text[i + 1] - 0xDC00);
          ++i;
        } else if (Code >= 0xD800 && Code < 0xE000) {
          Code = 0xFFFD;  // half a pair
        }
        AppendUtf8(Text, Code == RtfLineBreak ? U'\n' : Code);
      }
    Text += '\n';
  }
  return Text;
}

// UTF-8 sequences of spaces other than the ASCII space: no-break, the
// typographic spaces U+2000-U+200B, the ideographic space.
std::size_t SpaceLength(const std::string& Text, std::size_t At) {
  const auto Byte = [&](std::size_t k) { return static_cast<unsigned char>(Text[At + k]); };
  if (Text[At] == ' ' || Text[At] == '\t') return 1;
  if (At + 1 < Text.size() && Byte(0) == 0xC2 && Byte(1) == 0xA0) return 2;
  if (At + 2 < Text.size() && Byte(0) == 0xE2 && Byte(1) == 0x80 && Byte(2) <= 0x8B) return 3;
  if (At + 2 < Text.size() && Byte(0) == 0xE3 && Byte(1) == 0x80 && Byte(2) == 0x80) return 3;
  return 0;
}

std::vector<std::string> EvenLines(std::string Text) {
  if (Text.compare(0, 3, "\xEF\xBB\xBF") == 0) Text.erase(0, 3);
  std::vector<std::string> Lines;
  std::istringstream In(Text);
  std::string Line;
  while (std::getline(In, Line)) {
    std::string Even;
    bool Space = false;
    for (std::size_t i = 0; i < Line.size();) {
      if (Line[i] == '\r') {
        ++i;
        continue;
      }
      const std::size_t Length = SpaceLength(Line, i);
      if (Length > 0) {
        Space = true;
        i += Length;
        continue;
      }
      if (Space && !Even.empty()) Even += ' ';
      Space = false;
      Even += Line[i++];
    }
    if (!Even.empty()) Lines.push_back(Even);
  }
  return Lines;
}

// The code points of UTF-8 text (the text is valid: the reader and the
// reference texts give UTF-8).
std::u32string CodePoints(const std::string& Text) {
  std::u32string Codes;
  for (std::size_t i = 0; i < Text.size();) {
    const auto Lead = static_cast<unsigned char>(Text[i]);
    const int Length = Lead < 0x80 ? 1 : Lead < 0xE0 ? 2 : Lead < 0xF0 ? 3 : 4;
    char32_t Code = Length == 1 ? Lead : Lead & (0x7F >> Length);
    for (int k = 1; k < Length && i + k < Text.size(); ++k) Code = (Code << 6) | (Text[i + k] & 0x3F);
    Codes += Code;
    i += Length;
  }
  return Codes;
}

// Letters of any script; not digits, punctuation, symbols, spaces or
// private use characters.
bool IsLetter(char32_t c) {
  if (c < 0x80) return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
  if (c < 0xC0 || c == 0xD7 || c == 0xF7) return false;
  if (c >= 0x2000 && c <= 0x2BFF) return false;
  if (c >= 0x3000 && c <= 0x303F) return false;
  if (c >= 0xE000 && c <= 0xF8FF) return false;
  if (c >= 0xFE00 && c <= 0xFE6F) return false;
  if (c >= 0xFF00 && c <= 0xFF20) return false;
  if (c >= 0xFFF0 && c <= 0xFFFF) return false;
  return true;
}

std::u32string Letters(const std::vector<std::string>& Lines) {
  std::u32string Result;
  for (const std::string& Line : Lines)
    for (char32_t c : CodePoints(Line))
      if (IsLetter(c)) Result += c;
  return Result;
}

// Whether the items of Wanted all occur in Items, in their order.
template <typename TItems>
bool InOrderAmong(const TItems& Wanted, const TItems& Items) {
  std::size_t k = 0;
  for (const auto& Item : Items)
    if (k < Wanted.size() && Item == Wanted[k]) ++k;
  return k == Wanted.size();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--text") {
    std::fputs(DocumentText(ReadRtf(ReadFile(argv[2]))).c_str(), stdout);
    return 0;
  }
  if (argc != 2) {
    std::fprintf(stderr,
                 "usage: rtf_corpus_check FOLDER (FOLDER/expected/NAME.txt for each FOLDER/NAME.rtf)\n"
                 "       rtf_corpus_check --text FILE.rtf (prints the text the reader gives)\n");
    return 2;
  }
  const std::filesystem::path Folder = argv[1];
  std::vector<std::filesystem::path> Files;
  for (const auto& Entry : std::filesystem::directory_iterator(Folder))
    if (Entry.path().extension() == ".rtf") Files.push_back(Entry.path());
  std::sort(Files.begin(), Files.end());
  int Same = 0;
  int More = 0;
  int SameLetters = 0;
  int NoReference = 0;
  int Differ = 0;
  for (const auto& File : Files) {
    const auto Expected = Folder / "expected" / File.filename().replace_extension(".txt");
    const std::vector<std::string> Got = EvenLines(DocumentText(ReadRtf(ReadFile(File))));
    const std::string Name = File.filename().string();
    if (!std::filesystem::exists(Expected)) {
      ++NoReference;
      std::printf("no reference %s (%zu lines)\n", Name.c_str(), Got.size());
      continue;
    }
    const std::vector<std::string> Want = EvenLines(ReadFile(Expected));
    if (Got == Want) {
      ++Same;
      std::printf("same         %s (%zu lines)\n", Name.c_str(), Got.size());
    } else if (InOrderAmong(Want, Got)) {
      ++More;
      std::printf("keeps more   %s (%zu lines, %zu more)\n", Name.c_str(), Got.size(), Got.size() - Want.size());
    } else if (InOrderAmong(Letters(Want), Letters(Got))) {
      ++SameLetters;
      std::size_t i = 0;
      while (i < Got.size() && i < Want.size() && Got[i] == Want[i]) ++i;
      std::printf("letters kept %s; labels or marks differ from line %zu\n  want: %s\n  got:  %s\n", Name.c_str(),
                  i + 1, i < Want.size() ? Want[i].substr(0, 100).c_str() : "(end)",
                  i < Got.size() ? Got[i].substr(0, 100).c_str() : "(end)");
    } else {
      ++Differ;
      std::size_t i = 0;
      while (i < Got.size() && i < Want.size() && Got[i] == Want[i]) ++i;
      std::printf("DIFFERS      %s at line %zu\n  want: %s\n  got:  %s\n", Name.c_str(), i + 1,
                  i < Want.size() ? Want[i].substr(0, 160).c_str() : "(end)",
                  i < Got.size() ? Got[i].substr(0, 160).c_str() : "(end)");
    }
  }
  std::printf("%zu documents: %d the same, %d keep more, %d keep the letters, %d differ, %d without reference\n",
              Files.size(), Same, More, SameLetters, Differ, NoReference);
  return Differ > 0 ? 1 : 0;
}
