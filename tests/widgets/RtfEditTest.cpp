// The rich-text editor: documents in and out of Qt's text document, and the
// lines it shows.
#include <gtest/gtest.h>

#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>

#include "reports/text/RtfTextDocument.h"
#include "support/RtfTestSupport.h"
#include "widgets/RtfEdit.h"

namespace {

TRtfDocument SampleDocument() {
  TRtfCharFormat Title = Bold(Font(u"Comic Sans MS", 40));
  Title.FontFamily = TRtfFontFamily::Script;
  Title.Italic = true;
  TRtfCharFormat Body = Colored(Font(u"Arial", 20), 34, 94, 34);
  Body.Underline = true;
  TRtfDocument Document;
  Document.Paragraphs.resize(3);
  Document.Paragraphs[0].Alignment = TRtfAlignment::Center;
  Document.Paragraphs[0].Runs = {{u"Sierra \u20ac", Title}};
  Document.Paragraphs[0].MarkFormat = Title;
  Document.Paragraphs[1].MarkFormat = Font(u"Arial", 8);
  Document.Paragraphs[2].Alignment = TRtfAlignment::Justify;
  Document.Paragraphs[2].Runs = {{u"a\tb\u2028c", Body}, {u" plain", Font(u"Arial", 20)}};
  Document.Paragraphs[2].MarkFormat = Font(u"Arial", 20);
  Document.Paragraphs[2].LeftIndent = 709;
  Document.Paragraphs[2].FirstLineIndent = -283;
  Document.Paragraphs[2].TabStops = {300, 709, 2000};
  return Document;
}

TEST(RtfTextDocumentTest, ADocumentComesBackFromQtUnchanged) {
  QTextDocument Qt;
  SetRtfDocument(Qt, SampleDocument());
  EXPECT_EQ(Qt.blockCount(), 3);
  EXPECT_EQ(RtfDocumentOf(Qt), SampleDocument());
}

TEST(RtfTextDocumentTest, TablesComeBackFromQtUnchanged) {
  for (const TRtfDocument& Document :
       {DocumentWithTable({u"before"}, {u"after"}), DocumentWithTable({}, {u""}),
        DocumentWithTable({u"a", u"b"}, {u""})}) {
    QTextDocument Qt;
    SetRtfDocument(Qt, Document);
    EXPECT_EQ(RtfDocumentOf(Qt), Document) << Qt.toPlainText().toStdString();
  }
}

TEST(RtfTextDocumentTest, FormatsLeftOpenTakeTheDocumentsDefaultFont) {
  QTextDocument Qt;
  QFont Default("DejaVu Sans");
  Default.setPointSize(9);
  Qt.setDefaultFont(Default);
  QTextCursor Cursor(&Qt);
  Cursor.insertText("x");
  const TRtfDocument Document = RtfDocumentOf(Qt);
  ASSERT_EQ(Document.Paragraphs[0].Runs.size(), 1u);
  EXPECT_EQ(Document.Paragraphs[0].Runs[0].Format.FontName, u"DejaVu Sans");
  EXPECT_EQ(Document.Paragraphs[0].Runs[0].Format.HalfPoints, 18);
  EXPECT_FALSE(Document.Paragraphs[0].Runs[0].Format.Bold);
}

TEST(RtfTextDocumentTest, EmbeddedObjectsAreLeftOut) {
  QTextDocument Qt;
  QTextCursor Cursor(&Qt);
  Cursor.insertText("a");
  Cursor.insertImage(QTextImageFormat());
  Cursor.insertText("b");
  EXPECT_EQ(ParagraphTexts(RtfDocumentOf(Qt)), (std::vector<std::u16string>{u"ab"}));
}

TEST(RtfEditTest, WhatTheUserFormatsSurvivesSavingAndLoading) {
  TRtfEdit Editor;
  Editor.setPlainText("plain ");
  Editor.moveCursor(QTextCursor::End);
  QTextCharFormat BoldRed;
  BoldRed.setFontWeight(QFont::Bold);
  BoldRed.setForeground(QColor(200, 0, 0));
  Editor.textCursor().insertText("bold red", BoldRed);
  TRtfEdit Copy;
  Copy.LoadRichText(Editor.RichText());
  EXPECT_EQ(Copy.toPlainText(), "plain bold red");
  QTextCursor At(Copy.document());
  At.setPosition(8);
  EXPECT_EQ(At.charFormat().fontWeight(), QFont::Bold);
  EXPECT_EQ(At.charFormat().foreground().color(), QColor(200, 0, 0));
  EXPECT_FALSE(Copy.document()->isUndoAvailable());
  EXPECT_FALSE(Copy.document()->isModified());
}

TEST(RtfEditTest, TypedLinesOfParagraphsAndLineBreaks) {
  TRtfEdit Editor;
  EXPECT_EQ(Editor.TypedLines(), QStringList());
  Editor.setPlainText("one\n\nthree");
  EXPECT_EQ(Editor.TypedLines(), (QStringList{"one", "", "three"}));
  Editor.LoadRichText("{\\rtf1 a\\line b\\par c}");
  EXPECT_EQ(Editor.TypedLines(), (QStringList{"a", "b", "c"}));
  EXPECT_EQ(Editor.PlainText(), "a\r\nb\r\nc");
}

}  // namespace
