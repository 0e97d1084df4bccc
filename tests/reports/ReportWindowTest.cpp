// The report window: shown modally after compiling, closed by its button or
// Esc, printed under its job title, and the popup menus of both editors.
#include <QPrinter>
#include <QSignalSpy>

#include "ReportsFixture.h"
#include "reports/EditMenuTimer.h"

namespace {

class ReportWindowTest : public ReportsTest {};

TEST_F(ReportWindowTest, CompilePrintableReportShowsTheReportModally) {
  OpenWith(BuildReportTrip);
  QString ShownText;
  EXPECT_TRUE(CompilePrintableReport([&] { ShownText = Report().toPlainText(); }));
  EXPECT_TRUE(ShownText.contains("Sierra High Route 2024"));
  EXPECT_FALSE(ReportWindow().isVisible());
  EXPECT_EQ(ReportWindow().windowTitle(), "Report");
  EXPECT_EQ(ReportWindow().Button1->text(), "&Print...");
  EXPECT_EQ(ReportWindow().Button2->text(), "&Close");
  // The report stays until the next compilation.
  EXPECT_EQ(Report().toPlainText(), ShownText);
}

TEST_F(ReportWindowTest, EscClosesTheWindow) {
  OpenWith(BuildReportTrip);
  ReportWindow().show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&ReportWindow()));
  Report().setFocus();
  QTest::keyClick(&Report(), Qt::Key_Escape);
  EXPECT_FALSE(ReportWindow().isVisible());
}

// Prompts whose print dialog sends the job to a PDF file.
class TPdfPrintPrompts : public TScriptedPrompts {
 public:
  explicit TPdfPrintPrompts(QString FileName) : FFileName(std::move(FileName)) {}
  bool PrintDialog(QPrinter& Printer) override {
    DocumentTitle = Printer.docName();
    if (!TScriptedPrompts::PrintDialog(Printer)) return false;
    Printer.setOutputFormat(QPrinter::PdfFormat);
    Printer.setOutputFileName(FFileName);
    return true;
  }
  QString DocumentTitle;

 private:
  QString FFileName;
};

TEST(ReportPrintTest, PrintsUnderTheJobTitleOnlyWhenConfirmed) {
  TWorkingFolder Folder;
  TPdfPrintPrompts Prompts(QString::fromStdString(Folder.File("report.pdf")));
  TfrmReport Window(Prompts, nullptr);
  Window.RichEdit1->setPlainText("Sierra High Route");
  Window.Button1->click();
  EXPECT_EQ(Prompts.Texts("print").size(), 1);
  EXPECT_FALSE(std::filesystem::exists(Folder.File("report.pdf")));
  Prompts.PrintAnswers = {true};
  Window.Button1->click();
  EXPECT_EQ(Prompts.DocumentTitle, "Quillmoor Planner Report");
  ASSERT_TRUE(std::filesystem::exists(Folder.File("report.pdf")));
  EXPECT_GT(std::filesystem::file_size(Folder.File("report.pdf")), 0u);
  EXPECT_TRUE(Prompts.Texts("error").isEmpty());
}

// The enabled items of a popup menu, by caption.
QStringList EnabledItems(const TEditPopupMenu& Menu) {
  QStringList Items;
  for (QAction* Item : Menu.actions())
    if (!Item->isSeparator() && Item->isEnabled()) Items.append(Item->text());
  return Items;
}

struct TPopupCase {
  const char* Name;
  std::function<void(QTextEdit&)> Arrange;
  bool ClipboardText;
  QStringList Enabled;
};

class EditPopupStatesTest : public ReportsTest, public ::testing::WithParamInterface<TPopupCase> {};

TEST_P(EditPopupStatesTest, FollowTheEditorAndTheClipboard) {
  OpenWith(BuildReportTrip);
  Prompts.Clipboard = GetParam().ClipboardText ? "text" : "";
  // The message editor with its main-window timer, the report editor with its window's.
  GetParam().Arrange(*Reports().RichEdit7);
  Reports().CutBlaTimer();
  EXPECT_EQ(EnabledItems(*Reports().PopupMenu9), GetParam().Enabled);
  GetParam().Arrange(Report());
  ReportWindow().editTimer();
  EXPECT_EQ(EnabledItems(*ReportWindow().PopupMenu1), GetParam().Enabled);
}

INSTANTIATE_TEST_SUITE_P(
    States, EditPopupStatesTest,
    ::testing::Values(
        TPopupCase{"Empty", [](QTextEdit& Editor) { Editor.clear(); }, false, {}},
        TPopupCase{"EmptyWithClipboardText", [](QTextEdit& Editor) { Editor.clear(); }, true, {"&Paste"}},
        TPopupCase{
            "LoadedText", [](QTextEdit& Editor) { Editor.setPlainText("report"); }, false, {"&Select All"}},
        TPopupCase{"Typed",
                   [](QTextEdit& Editor) {
                     Editor.clear();
                     QTest::keyClicks(&Editor, "ab");
                   },
                   false,
                   {"&Undo", "&Select All"}},
        TPopupCase{"Selected",
                   [](QTextEdit& Editor) {
                     Editor.setPlainText("report");
                     Editor.selectAll();
                   },
                   true,
                   {"Cu&t", "&Copy", "&Paste", "&Delete", "&Select All"}}),
    [](const ::testing::TestParamInfo<TPopupCase>& Info) { return std::string(Info.param.Name); });

TEST_F(ReportWindowTest, PopupItemsActOnTheirEditor) {
  OpenWith(BuildReportTrip);
  TRtfEdit& Message = *Reports().RichEdit7;
  TEditPopupMenu& Menu = *Reports().PopupMenu9;
  EXPECT_EQ(Menu.actions().size(), 8);
  Message.setPlainText("one two");
  Menu.SelectAll1->trigger();
  EXPECT_EQ(Message.textCursor().selectedText(), "one two");
  QTextCursor Cursor = Message.textCursor();
  Cursor.setPosition(3);
  Cursor.setPosition(7, QTextCursor::KeepAnchor);
  Message.setTextCursor(Cursor);
  Menu.Delete1->trigger();
  EXPECT_EQ(Message.toPlainText(), "one");
  Menu.Undo1->trigger();
  EXPECT_EQ(Message.toPlainText(), "one two");
}

TEST_F(ReportWindowTest, TheTimersTickOnlyWhileTheirEditorIsShown) {
  OpenWith(BuildReportTrip);
  EXPECT_FALSE(Reports().CutBla->isActive());
  EXPECT_FALSE(ReportWindow().edit->isActive());
  ShowPage(TMainForm::ReportsPageIndex);
  EXPECT_TRUE(Reports().CutBla->isActive());
  EXPECT_EQ(Reports().CutBla->interval(), 1);
  ShowPage(TMainForm::GearPageIndex);
  EXPECT_FALSE(Reports().CutBla->isActive());
  ReportWindow().show();
  EXPECT_TRUE(ReportWindow().edit->isActive());
  ReportWindow().Button2->click();
  EXPECT_FALSE(ReportWindow().edit->isActive());
}

// Prompts whose clipboard cannot be read.
class TBrokenClipboardPrompts : public TScriptedPrompts {
 public:
  QString ClipboardText() override { throw std::runtime_error("no clipboard"); }
};

TEST(EditMenuTimerTest, AFailingQueryStopsTheTimerForGoodAndKeepsTheItems) {
  TBrokenClipboardPrompts Prompts;
  TfrmReport Window(Prompts, nullptr);
  Window.show();
  ASSERT_TRUE(Window.edit->isActive());
  const QStringList Before = EnabledItems(*Window.PopupMenu1);
  Window.RichEdit1->setPlainText("text");
  Window.editTimer();
  EXPECT_FALSE(Window.edit->isActive());
  EXPECT_EQ(EnabledItems(*Window.PopupMenu1), Before);
  Window.hide();
  Window.show();
  EXPECT_FALSE(Window.edit->isActive());
}

}  // namespace
