// Compiling the report into the report window's editor: the shipped
// template, tag formats, check boxes, units and failures.
#include <QTextBlock>
#include <QTextCursor>

#include "ReportsFixture.h"

namespace {

const QString Footer = "Compiled with Quillmoor Planner - plan the trip, then walk it.";

// The character format at position Position of the report.
QTextCharFormat FormatAt(QTextDocument* Document, int Position) {
  QTextCursor Cursor(Document);
  Cursor.setPosition(Position + 1);
  return Cursor.charFormat();
}

TEST(ShippedTemplateTest, HoldsEveryTagOnceAndLoads) {
  std::ifstream File(ShippedTemplatePath(), std::ios::binary);
  const std::string Rtf((std::istreambuf_iterator<char>(File)), {});
  ASSERT_EQ(Rtf.rfind("{\\rtf1", 0), 0u);
  TRtfEdit Editor;
  Editor.LoadRichText(Rtf);
  const QString Text = Editor.toPlainText();
  for (const char* Tag : {"[TRIP]", "[CP]", "[GL]", "[LOG]", "[SL]", "[RL]", "[PM]", "[CI]", "[BUD]"})
    EXPECT_EQ(Text.count(Tag, Qt::CaseInsensitive), 1) << Tag;
}

class ReportCompileTest : public ReportsTest {};

TEST_F(ReportCompileTest, TheShippedTemplateGivesAFullReportWithTheFooterLast) {
  OpenWith(BuildReportTrip);
  Reports().CompileReport();
  const QStringList Paragraphs = ReportParagraphs();
  EXPECT_EQ(Paragraphs.mid(0, 4),
            (QStringList{"Quillmoor Planner", "Trip Report", "", "Sierra High Route 2024"}));
  EXPECT_TRUE(Paragraphs.contains("  14 July 2024 = {\"Drive to Bishop\",\"Pick up permits\"}"));
  EXPECT_TRUE(Paragraphs.contains("               Weight  = 1.85 kg"));
  EXPECT_TRUE(Paragraphs.contains("               Volume = 0.006 cubic meters"));
  EXPECT_TRUE(Paragraphs.contains("          East Side Sierra Shuttle"));
  EXPECT_TRUE(Paragraphs.contains("Pick-up 6:30 at the motel"));
  EXPECT_TRUE(Paragraphs.contains("          Ingredients = \"Dehydrated beans 120 g\",\"Chili powder\""));
  EXPECT_TRUE(Paragraphs.contains("     [Inyo National Forest]"));
  EXPECT_TRUE(Paragraphs.contains("          eMail = ann@example.com"));
  EXPECT_TRUE(Paragraphs.contains("     Budget = 450"));
  EXPECT_EQ(Paragraphs.mid(Paragraphs.size() - 5), (QStringList{"", "", "", "", Footer}));
  EXPECT_FALSE(Report().toPlainText().contains("[TRIP]"));
  EXPECT_TRUE(Prompts.Shown.empty()) << Prompts.All().join("\n").toStdString();
}

TEST_F(ReportCompileTest, InsertedTextTakesTheFormatOfTheTagsFirstCharacter) {
  UseTemplate(
      "{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}{\\colortbl;\\red200\\green0\\blue0;}"
      "\\f0\\fs20 Plans:\\par{\\f1\\b\\cf1 [LO}G] after}");
  OpenWith(BuildReportTrip);
  Reports().CompileReport();
  QTextDocument* Document = Report().document();
  const QTextBlock Plans = Document->findBlockByNumber(1);
  ASSERT_EQ(Plans.text(), "     [Shuttle to Roads End]");
  const QTextCharFormat Inserted = FormatAt(Document, Plans.position() + 3);
  EXPECT_EQ(Inserted.fontFamilies().toStringList().value(0), "Courier New");
  EXPECT_EQ(Inserted.fontWeight(), QFont::Bold);
  EXPECT_EQ(Inserted.foreground().color(), QColor(200, 0, 0));
  // Every line of the section became a paragraph of its own.
  EXPECT_EQ(ReportParagraphs().mid(1, 5),
            (QStringList{"     [Shuttle to Roads End]", "          East Side Sierra Shuttle",
                         "Pick-up 6:30 at the motel", "     [Car at Whitney Portal]",
                         "          Overflow lot. after"}));
}

TEST_F(ReportCompileTest, TagsInAnyLetterCaseAndOnlyTheFirstOfEach) {
  UseTemplate("{\\rtf1 <[tRiP]!> [cp] [CP] [Bud]}");
  OpenWith([](TTravelerData& Store) {
    Store.AppendTrip();
    Store.GetTrip(0).Name = "Trip";
    Store.GetTrip(0).Budget = "12";
  });
  Reports().CompileReport();
  EXPECT_EQ(ReportParagraphs().first(), "<Trip> <none> [CP]      Budget = 12");
}

TEST_F(ReportCompileTest, UncheckedSectionsAreEmptiedAndEmptyCheckedOnesReadNone) {
  UseTemplate("{\\rtf1 CP=[CP]|GL=[GL]|LOG=[LOG]|SL=[SL]|RL=[RL]|PM=[PM]|CI=[CI]|BUD=[BUD]}");
  OpenWith([](TTravelerData& Store) {
    Store.AppendTrip();
    Store.GetTrip(0).Budget = "7";
  });
  Reports().CompileReport();
  EXPECT_EQ(ReportParagraphs().first(),
            "CP=<none>|GL=<none>|LOG=<none>|SL=<none>|RL=<none>|PM=<none>|CI=<none>|BUD=     Budget = 7");
  for (QCheckBox* Box : Reports().GroupBox13->findChildren<QCheckBox*>()) Box->setChecked(false);
  Reports().CompileReport();
  EXPECT_EQ(ReportParagraphs().first(), "CP=|GL=|LOG=|SL=|RL=|PM=|CI=|BUD=");
}

TEST_F(ReportCompileTest, TheCheckBoxesStandInOrderAllChecked) {
  OpenWith(BuildReportTrip);
  QStringList Captions;
  for (QCheckBox* Box : Reports().GroupBox13->findChildren<QCheckBox*>()) {
    Captions.append(Box->text());
    EXPECT_TRUE(Box->isChecked());
  }
  EXPECT_EQ(Captions,
            (QStringList{"Trip Calendar Planner", "Gear Weight, Gear Check List Software/calculator",
                         "Logistics", "Shopping List ", "Recipes/menu planner", "Permits Manager",
                         "Contact Information For Party ", "Budget"}));
  EXPECT_EQ(Reports().CheckBox9->text(), "Permits Manager");
  EXPECT_EQ(Reports().CheckBox8->text(), "Contact Information For Party ");
}

TEST_F(ReportCompileTest, WeightsAndVolumesInTheChosenUnits) {
  UseTemplate("{\\rtf1 [GL]}");
  OpenWith(BuildReportTrip);
  Form->ComboBox2->setCurrentIndex(0);  // Grams
  Form->ComboBox3->setCurrentIndex(7);  // Liters
  Reports().CompileReport();
  EXPECT_TRUE(ReportParagraphs().contains("               Weight  = 1850 gr"));
  EXPECT_TRUE(ReportParagraphs().contains("               Volume = 6 liters"));
}

TEST_F(ReportCompileTest, StoredTextInEitherEncodingIsShownRight) {
  UseTemplate("{\\rtf1 [TRIP] [LOG]}");
  OpenWith([](TTravelerData& Store) {
    Store.AppendTrip();
    Store.GetTrip(0).Name = "Caf\xc3\xa9";  // typed: UTF-8
    Store.AddPlan(0,
                  "Br\xfc"
                  "cke",
                  "");  // imported: Windows-1252
  });
  Reports().CompileReport();
  EXPECT_EQ(ReportParagraphs().first(), QString::fromUtf8("Caf\xc3\xa9     [Br\xc3\xbc"
                                                          "cke]"));
}

TEST_F(ReportCompileTest, AMissingTemplateStopsEveryButtonWithTheFileError) {
  OpenWith(BuildReportTrip);
  std::filesystem::remove(TemplatePath());
  Reports().RichEdit7->setPlainText("my message");
  const QString Error = "Could not read 'ReportTemplate.rtf': No such file or directory.";
  EXPECT_FALSE(CompilePrintableReport());
  Click(Reports().Button34);
  Click(Reports().Button35);
  EXPECT_EQ(Prompts.All(), (QStringList{"error: " + Error, "error: " + Error, "error: " + Error}));
  EXPECT_EQ(Reports().RichEdit7->toPlainText(), "my message");
}

TEST_F(ReportCompileTest, AWeightThatIsNotANumberStopsTheCompilationEvenUnchecked) {
  OpenWith([](TTravelerData& Store) {
    BuildReportTrip(Store);
    Store.GetGearItem(0, 1, 0).Weight = "heavy";
  });
  Reports().CheckBox4->setChecked(false);
  EXPECT_FALSE(CompilePrintableReport());
  Click(Reports().Button35);
  EXPECT_EQ(Prompts.Texts("error"), QStringList(2, "'heavy' is not a valid floating point value."));
  EXPECT_TRUE(Prompts.Texts("save").isEmpty());
  // What was compiled before the failure stays in the editor.
  EXPECT_TRUE(ReportParagraphs().contains("Sierra High Route 2024"));
  EXPECT_TRUE(Report().toPlainText().contains("[GL]"));
}

TEST_F(ReportCompileTest, ANewCompilationReplacesTheUsersEdits) {
  UseTemplate("{\\rtf1 [TRIP] }");
  OpenWith(BuildReportTrip);
  Reports().CompileReport();
  Report().setPlainText("edited");
  Reports().CompileReport();
  EXPECT_EQ(ReportParagraphs().first(), "Sierra High Route 2024");
  EXPECT_FALSE(Report().document()->isUndoAvailable());
}

}  // namespace
