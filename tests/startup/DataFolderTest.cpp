// The data folder: which folder the command line chooses, and how a folder is
// made ready (created with an empty data file, the shipped template copied in
// without replacing the user's) and made the current directory.
#include <gtest/gtest.h>

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "startup/DataFolder.h"
#include "startup/DataFolderOptions.h"
#include "store/Traveler.h"

namespace {

QByteArray ReadAll(const QString& Path) {
  QFile File(Path);
  return File.open(QIODevice::ReadOnly) ? File.readAll() : QByteArray("<missing>");
}

void Write(const QString& Path, const QByteArray& Bytes) {
  QFile File(Path);
  ASSERT_TRUE(File.open(QIODevice::WriteOnly));
  File.write(Bytes);
}

TEST(DataFolderOptions, ChooseTheFolderFromTheCommandLine) {
  const QByteArray SavedXdg = qgetenv("XDG_DATA_HOME");
  qputenv("XDG_DATA_HOME", "/tmp/xdg-home");
  SetApplicationIdentity();
  struct Case {
    QStringList Arguments;
    QString Folder;
    QString Error;
  };
  const Case Cases[] = {
      {{}, "", ""},
      {{"--data-folder", "/srv/trips"}, "/srv/trips", ""},
      {{"--data-folder=rel/trips"}, "rel/trips", ""},
      {{"--user-data"}, "/tmp/xdg-home/quillmoor-planner", ""},
      {{"--data-folder", ""}, "", "--data-folder needs a folder name."},
      {{"--user-data", "--data-folder", "x"}, "", "Use either --data-folder or --user-data, not both."},
  };
  for (const Case& c : Cases) {
    QCommandLineParser Parser;
    TDataFolderOptions Options;
    Options.AddTo(Parser);
    ASSERT_TRUE(Parser.parse(QStringList{"quillmoor"} + c.Arguments)) << Parser.errorText().toStdString();
    const TDataFolderChoice Choice = Options.Choose(Parser);
    EXPECT_EQ(Choice.Folder, c.Folder) << c.Arguments.join(' ').toStdString();
    EXPECT_EQ(Choice.Error, c.Error) << c.Arguments.join(' ').toStdString();
  }
  qputenv("XDG_DATA_HOME", SavedXdg);
}

class DataFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Root.isValid());
    Shipped = Root.filePath("shipped");
    QDir().mkpath(Shipped);
    Write(Shipped + "/ReportTemplate.rtf", "{\\rtf1 shipped}");
  }
  void TearDown() override { QDir::setCurrent(SavedCurrent); }
  QString Enter(const QString& Folder) { return EnterDataFolder(Folder, Shipped); }

  QString SavedCurrent = QDir::currentPath();
  QTemporaryDir Root;
  QString Shipped;
};

TEST_F(DataFolder, NewFolderGetsAnEmptyDataFileAndTheTemplate) {
  const QString Folder = Root.filePath("new/nested");
  EXPECT_EQ(Enter(Folder), "");
  EXPECT_EQ(QDir::current(), QDir(Folder));
  EXPECT_EQ(ReadAll(Folder + "/ReportTemplate.rtf"), "{\\rtf1 shipped}");
  EXPECT_TRUE(QFile::permissions(Folder + "/ReportTemplate.rtf") & QFile::WriteOwner);
  TTravelerData Store;
  EXPECT_TRUE(Store.LoadFromFile((Folder + "/qmp.dat").toStdString()));
  EXPECT_EQ(Store.TripCount(), 0);
}

TEST_F(DataFolder, ExistingFilesAreKeptAndOnlyAMissingTemplateIsAdded) {
  const QString Mine = Root.filePath("mine");
  QDir().mkpath(Mine);
  Write(Mine + "/ReportTemplate.rtf", "{\\rtf1 my own}");
  Write(Mine + "/qmp.dat", "my trips");
  EXPECT_EQ(Enter(Mine), "");
  EXPECT_EQ(ReadAll(Mine + "/ReportTemplate.rtf"), "{\\rtf1 my own}");
  EXPECT_EQ(ReadAll(Mine + "/qmp.dat"), "my trips");

  // An existing folder without a data file keeps the first-run behaviour:
  // no data file is made up for it.
  const QString Bare = Root.filePath("bare");
  QDir().mkpath(Bare);
  EXPECT_EQ(Enter(Bare), "");
  EXPECT_EQ(ReadAll(Bare + "/ReportTemplate.rtf"), "{\\rtf1 shipped}");
  EXPECT_FALSE(QFile::exists(Bare + "/qmp.dat"));
}

TEST_F(DataFolder, FailuresLeaveTheCurrentDirectory) {
  const QString File = Root.filePath("plain-file");
  Write(File, "x");
  EXPECT_EQ(Enter(File), "The data folder \"" + File + "\" is not a folder.");
  EXPECT_EQ(Enter(File + "/below"), "Could not create the data folder \"" + File + "/below\".");
  EXPECT_EQ(QDir::currentPath(), SavedCurrent);

  // A missing shipped template is not fatal: the Reports page says so later.
  Shipped = Root.filePath("nothing-shipped");
  EXPECT_EQ(Enter(Root.filePath("without-template")), "");
  EXPECT_FALSE(QFile::exists(Root.filePath("without-template/ReportTemplate.rtf")));
}

}  // namespace
