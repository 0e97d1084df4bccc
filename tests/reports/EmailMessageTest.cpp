// The e-mail message: the compiled report copied in, the recipients picked
// from the contacts, and the mailto: link handed to the desktop.
#include <QTextBlock>

#include "ReportsFixture.h"

namespace {

class EmailMessageTest : public ReportsTest {
 protected:
  void CompileMessage() { Click(Reports().Button34); }
  void CheckRecipient(int Row, bool Checked) {
    // As the user's click does: the list reports the change.
    Reports().CheckListBox5->item(Row)->setCheckState(Checked ? Qt::Checked : Qt::Unchecked);
  }
  QString To() { return Reports().Edit23->text(); }
  QString SentLink() { return Prompts.OpenedUrls.value(Prompts.OpenedUrls.size() - 1); }
};

TEST_F(EmailMessageTest, CompileEmailMessageCopiesTheFormattedReportOnce) {
  OpenWith(BuildReportTrip);
  Reports().Edit23->setText("to@example.com");
  Reports().Edit24->setText("cc@example.com");
  Reports().Edit25->setText("Sierra");
  CompileMessage();
  CompileMessage();
  EXPECT_EQ(Reports().RichEdit7->toPlainText(), Report().toPlainText());
  EXPECT_EQ(MessageParagraphs().count("Sierra High Route 2024"), 1);
  const QTextBlock Title = Reports().RichEdit7->document()->findBlockByNumber(0);
  EXPECT_EQ(Title.begin().fragment().charFormat().fontWeight(), QFont::Bold);
  EXPECT_EQ(Title.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  EXPECT_EQ(To(), "to@example.com");
  EXPECT_EQ(Reports().Edit24->text(), "cc@example.com");
  EXPECT_EQ(Reports().Edit25->text(), "Sierra");
  EXPECT_TRUE(Prompts.Shown.empty()) << Prompts.All().join("\n").toStdString();
}

TEST_F(EmailMessageTest, NoMailProgramIsReportedNamingTheAddress) {
  OpenWith(BuildReportTrip);
  ShowPage(TMainForm::ReportsPageIndex);
  Reports().Edit23->setText("to@example.com");
  Reports().Edit25->setText("Sierra");
  CompileMessage();
  Prompts.UrlAnswers = {false};
  Click(Reports().Button36);
  EXPECT_TRUE(SentLink().startsWith("mailto:to@example.com?"));
  EXPECT_EQ(Prompts.Texts("error"), QStringList{"This desktop has no program to open \"mailto:to@example.com\"."});
}

TEST_F(EmailMessageTest, AUsersTempFileInTheWorkingFolderIsLeftAlone) {
  OpenWith(BuildReportTrip);
  std::ofstream("temp.rtf", std::ios::binary) << "my own notes";
  CompileMessage();
  EXPECT_EQ(FileText("temp.rtf"), "my own notes");
  std::filesystem::remove("temp.rtf");
  CompileMessage();
  EXPECT_FALSE(std::filesystem::exists("temp.rtf"));
}

TEST_F(EmailMessageTest, TheRecipientListHoldsTheContactsUnchecked) {
  OpenWith(BuildReportTrip);
  CompileMessage();
  CheckRecipient(0, true);
  CompileMessage();
  EXPECT_EQ(Entries(Reports().CheckListBox5), (QStringList{"Ann Keller", "Bob Ortiz", "Cleo (no e-mail)"}));
  EXPECT_EQ(CheckMarks(Reports().CheckListBox5), (QList<bool>{false, false, false}));
}

TEST_F(EmailMessageTest, CheckedRecipientsFillTheToBox) {
  OpenWith(BuildReportTrip);
  CompileMessage();
  Reports().Edit23->setText("typed@example.com");
  CheckRecipient(0, true);
  EXPECT_EQ(To(), "ann@example.com");
  CheckRecipient(1, true);
  EXPECT_EQ(To(), "ann@example.com, bob.alt@example.org");
  CheckRecipient(2, true);
  EXPECT_EQ(To(), "ann@example.com, bob.alt@example.org");
  CheckRecipient(0, false);
  CheckRecipient(1, false);
  EXPECT_EQ(To(), "");
  CheckRecipient(2, false);
  EXPECT_EQ(To(), "");
}

TEST_F(EmailMessageTest, RecipientsFollowTheListEvenWhenContactsWentAway) {
  OpenWith(BuildReportTrip);
  CompileMessage();
  Store().DeleteContact(0, 0);
  CheckRecipient(2, true);
  CheckRecipient(0, true);
  EXPECT_EQ(To(), "bob.alt@example.org");
  EXPECT_TRUE(Prompts.Texts("error").isEmpty());
}

TEST_F(EmailMessageTest, LoginToEmailSendsEveryLineEndedByALineFeed) {
  OpenWith(BuildReportTrip);
  ShowPage(TMainForm::ReportsPageIndex);
  Reports().Edit23->setText("ann@example.com");
  Reports().RichEdit7->setPlainText("Hello\nBye");
  Click(Reports().Button36);
  EXPECT_EQ(SentLink(), "mailto:ann@example.com?Subject=&cc=&body=Hello%0ABye%0A");
  Reports().Edit24->setText("bob@example.org");
  Reports().Edit25->setText("Food & fuel");
  Reports().RichEdit7->clear();
  Click(Reports().Button36);
  EXPECT_EQ(SentLink(), "mailto:ann@example.com?Subject=Food%20%26%20fuel&cc=bob@example.org&body=");
}

TEST_F(EmailMessageTest, AWrappedParagraphIsOneLineOfTheBody) {
  OpenWith(BuildReportTrip);
  ShowPage(TMainForm::ReportsPageIndex);
  const QString Paragraph = QString("word ").repeated(60).trimmed();
  Reports().RichEdit7->setPlainText(Paragraph + "\nend");
  Click(Reports().Button36);
  EXPECT_EQ(SentLink().count("%0A"), 2);
  EXPECT_TRUE(SentLink().endsWith("word%0Aend%0A"));
}

TEST_F(EmailMessageTest, EnterActsAsTheDefaultButtonWhereNoControlTakesIt) {
  OpenWith(BuildReportTrip);
  ShowPage(TMainForm::ReportsPageIndex);
  EXPECT_TRUE(Reports().Button36->isDefault());
  Reports().Edit25->setFocus();
  QTest::keyClick(Reports().Edit25, Qt::Key_Return);
  EXPECT_EQ(Prompts.OpenedUrls.size(), 1);
  Reports().CheckBox3->setFocus();
  QTest::keyClick(Reports().CheckBox3, Qt::Key_Enter);
  EXPECT_EQ(Prompts.OpenedUrls.size(), 2);
  // The message editor takes Enter as a new paragraph.
  Reports().RichEdit7->setFocus();
  QTest::keyClick(Reports().RichEdit7, Qt::Key_Return);
  EXPECT_EQ(Prompts.OpenedUrls.size(), 2);
  EXPECT_EQ(Reports().RichEdit7->document()->blockCount(), 2);
  // A button with the focus acts itself.
  Reports().Button35->setFocus();
  QTest::keyClick(Reports().Button35, Qt::Key_Return);
  EXPECT_EQ(Prompts.Texts("save"), QStringList{"Export Report"});
  EXPECT_EQ(Prompts.OpenedUrls.size(), 2);
}

}  // namespace
