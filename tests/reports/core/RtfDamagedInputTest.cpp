// Damaged and hostile input: every byte string gives a document that holds
// only what a document may hold, without a crash or a hang.
#include <gtest/gtest.h>

#include <random>

#include "reports/core/RtfReader.h"
#include "reports/core/RtfWriter.h"
#include "support/RtfTestSupport.h"

namespace {

void ExpectWellFormed(const TRtfDocument& Document, const std::string& Input) {
  ASSERT_FALSE(Document.Paragraphs.empty()) << Input;
  for (const TRtfParagraph& Paragraph : Document.Paragraphs) {
    for (const TRtfRun& Run : Paragraph.Runs) {
      EXPECT_FALSE(Run.Text.empty()) << Input;
      for (char16_t c : Run.Text) EXPECT_TRUE(c >= 0x20 || c == u'\t') << Input;
      EXPECT_GE(Run.Format.HalfPoints, 2);
      EXPECT_LE(Run.Format.HalfPoints, 3276);
    }
  }
}

std::string SampleDocument() {
  TRtfDocument Document;
  Document.Paragraphs.resize(3);
  Document.Paragraphs[0].Runs = {{u"Sierra {High} Route \u20ac\u0436", Bold(Font(u"Arial", 32))},
                                 {u"\tday\u20281", Colored(Font(u"Times"), 10, 20, 30)}};
  Document.Paragraphs[2].Runs = {{u"[GL]", Font(u"Courier New")}};
  return WriteRtf(Document);
}

TEST(RtfDamagedInputTest, EveryTruncationOfAFileReads) {
  const std::string Rtf = SampleDocument();
  for (std::size_t Length = 0; Length <= Rtf.size(); ++Length)
    ExpectWellFormed(ReadRtf(Rtf.substr(0, Length)), Rtf.substr(0, Length));
}

TEST(RtfDamagedInputTest, RandomChangesToAFileRead) {
  const std::string Rtf = SampleDocument();
  const std::string Alphabet = "{}\\'*;0123456789-abfiluqcrspn \r\n\x80\xff";
  std::mt19937 Random(7);
  for (int i = 0; i < 3000; ++i) {
    std::string Damaged = Rtf;
    const int Changes = 1 + static_cast<int>(Random() % 8);
    for (int k = 0; k < Changes; ++k) {
      const std::size_t At = Random() % Damaged.size();
      const char c = Alphabet[Random() % Alphabet.size()];
      switch (Random() % 3) {
        case 0:
          Damaged[At] = c;
          break;
        case 1:
          Damaged.insert(At, 1, c);
          break;
        default:
          Damaged.erase(At, 1);
          break;
      }
      if (Damaged.empty()) Damaged = "{";
    }
    ExpectWellFormed(ReadRtf(Damaged), Damaged);
  }
}

TEST(RtfDamagedInputTest, RandomBytesRead) {
  std::mt19937 Random(11);
  for (int i = 0; i < 2000; ++i) {
    std::string Bytes = i % 2 ? "{\\rtf1" : "";
    const std::size_t Length = Random() % 200;
    for (std::size_t k = 0; k < Length; ++k) Bytes += static_cast<char>(Random() % 256);
    ExpectWellFormed(ReadRtf(Bytes), Bytes);
  }
}

struct THostileCase {
  const char* Name;
  std::string Bytes;
};

class RtfHostileInputTest : public ::testing::TestWithParam<THostileCase> {};

TEST_P(RtfHostileInputTest, Reads) {
  const TRtfDocument Document = ReadRtf(GetParam().Bytes);
  ExpectWellFormed(Document, GetParam().Name);
}

INSTANTIATE_TEST_SUITE_P(
    Hostile, RtfHostileInputTest,
    ::testing::Values(
        THostileCase{"a million open braces", "{\\rtf1" + std::string(1000000, '{') + "text"},
        THostileCase{"deep groups that close",
                     "{\\rtf1" + std::string(100000, '{') + "x" + std::string(100000, '}') + "}"},
        THostileCase{"closing braces first", "{\\rtf1" + std::string(1000, '}') + "text}"},
        THostileCase{"a huge binary length", "{\\rtf1\\bin99999999999999999999 abc}"},
        THostileCase{"a negative binary length", "{\\rtf1\\bin-5 abc}"},
        THostileCase{"a huge skip count", "{\\rtf1\\uc99999\\u65 abc}"},
        THostileCase{"a control word of a thousand letters", "{\\rtf1\\" + std::string(1000, 'b') + "1 x}"},
        THostileCase{"a parameter of a thousand digits", "{\\rtf1\\fs" + std::string(1000, '9') + " x}"},
        THostileCase{"a backslash at the end", "{\\rtf1 x\\"},
        THostileCase{"a hex escape at the end", "{\\rtf1 x\\'4"},
        THostileCase{"a unicode escape out of range", "{\\rtf1\\u99999? \\u-99999? x}"},
        THostileCase{"a font table without end", "{\\rtf1{\\fonttbl{\\f0 Arial"},
        THostileCase{"a colour table entry without end", "{\\rtf1{\\colortbl\\red255"},
        THostileCase{"font indices everywhere", "{\\rtf1\\f-2147483648 a\\f2147483647 b\\deff-1 c}"},
        THostileCase{"nul bytes", std::string("{\\rtf1 a\0b\0}", 12)}),
    [](const ::testing::TestParamInfo<THostileCase>& Info) {
      std::string Name;
      for (char c : std::string(Info.param.Name))
        Name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
      return Name;
    });

}  // namespace

namespace {

TEST(RtfDamagedInputTest, TooLargeRichTextIsRefusedWithItsSize) {
  EXPECT_NO_THROW(ReadRtf("{\\rtf1 " + std::string(MaxRichTextBytes - 8, 'x') + "}"));
  try {
    ReadRtf(std::string(MaxRichTextBytes + 4 * 1024 * 1024, 'x'));
    FAIL() << "no error";
  } catch (const TRichTextTooLargeError& Error) {
    EXPECT_STREQ(Error.what(), "The rich text is too large to open: 20 MB; at most 16 MB can be opened");
  }
}

// Paragraphs take memory of their own: small ones past the most a document
// may hold stop the reading, as rich text and as plain text.
TEST(RtfDamagedInputTest, TooManyParagraphsAreRefused) {
  std::string Rtf = "{\\rtf1 ";
  for (std::size_t n = 1; n < MaxRichTextParagraphs; ++n) Rtf += "\\par a";
  EXPECT_EQ(ReadRtf(Rtf + "}").Paragraphs.size(), MaxRichTextParagraphs);
  EXPECT_EQ(ReadRtf(std::string(MaxRichTextParagraphs - 1, '\n')).Paragraphs.size(), MaxRichTextParagraphs);
  for (const std::string& Text : {Rtf + "\\par b}", std::string(MaxRichTextParagraphs, '\n'), std::string(3000000, '\n')}) {
    try {
      ReadRtf(Text);
      ADD_FAILURE() << "no error";
    } catch (const TRichTextTooLargeError& Error) {
      EXPECT_STREQ(Error.what(), "The rich text is too large to open: it has more than 250000 paragraphs");
    }
  }
}

}  // namespace
