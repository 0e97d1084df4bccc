#include "app/SessionRecovery.h"

#include <sys/stat.h>

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <cstdio>
#include <filesystem>

#include "ui/Prompts.h"
#include "ui/StoreText.h"
#include "store/BackgroundFileWriter.h"
#include "store/ByteFile.h"
#include "store/DataFileFormat.h"
#include "store/DataFileHandler.h"
#include "store/StoreErrors.h"
#include "store/Traveler.h"

namespace {

// Modification time in nanoseconds, or -1 when the file is missing.
long long ModifiedNs(const std::string& Path) {
  struct stat Info {};
  if (stat(Path.c_str(), &Info) != 0) return -1;
  return static_cast<long long>(Info.st_mtim.tv_sec) * 1000000000LL + Info.st_mtim.tv_nsec;
}

}  // namespace

TSessionRecovery::TSessionRecovery(TTravelerData& Store, QObject* Parent)
    : QObject(Parent),
      FStore(Store),
      // Absolute, so that the writer's thread writes where the session began.
      FWriter(std::make_unique<TBackgroundFileWriter>(
          std::filesystem::absolute(RecoveryFileName).string(), [this](bool Ok, const std::string& Failure) {
            // From the writer's thread to the user-interface thread.
            QMetaObject::invokeMethod(
                this, [this, Ok, Text = QString::fromLocal8Bit(Failure)] { NoteWritten(Ok, Text); },
                Qt::QueuedConnection);
          })) {
  FQuiet.setSingleShot(true);
  connect(&FQuiet, &QTimer::timeout, this, [this] { CheckNow(); });
}

TSessionRecovery::~TSessionRecovery() {
  if (qApp) qApp->removeEventFilter(this);
}

QString TSessionRecovery::FileName() const { return QDir::current().absoluteFilePath(FromStore(RecoveryFileName)); }

QString TSessionRecovery::KeepAside(const std::string& Suffix) {
  try {
    // Never over an earlier kept file, even one of the same second.
    return QDir::current().absoluteFilePath(FromStore(MoveFileAside(RecoveryFileName, Suffix)));
  } catch (const std::exception&) {
    return FileName();
  }
}

void TSessionRecovery::NoteWritten(bool Ok, const QString& Failure) {
  if (Ok == !FProblemShown) return;
  FProblemShown = !Ok;
  if (Ok)
    emit WriteProblemGone();
  else
    emit WriteProblem("The recovery file cannot be written: " + Failure);
}

std::string TSessionRecovery::FileToLoad(IPrompts& Prompts) {
  const long long Recovery = ModifiedNs(RecoveryFileName);
  if (Recovery < 0) return DataFileName;
  std::vector<std::uint8_t> Saved, Kept;
  if (ReadWholeFile(RecoveryFileName, Kept) && ReadWholeFile(DataFileName, Saved) && Saved == Kept) {
    // Read and found saved: the last run ended between its save and the
    // removal of this file.
    std::remove(RecoveryFileName.c_str());
    return DataFileName;
  }
  const std::string Aside = KeptCopySuffix("unsaved");
  if (!IsCompleteDataFile(RecoveryFileName)) {
    Prompts.Error("The changes that were not saved by the last session could not be read; they were kept in \"" +
                  KeepAside(Aside) + "\".");
    return DataFileName;
  }
  if (Recovery > ModifiedNs(DataFileName) &&
      Prompts.Confirm("Quillmoor Planner did not close normally. Restore the changes that were not saved?"))
    return RecoveryFileName;
  Prompts.Information("The changes that were not saved were kept in \"" + KeepAside(Aside) + "\".");
  return DataFileName;
}

void TSessionRecovery::Baseline() {
  try {
    FLast = std::make_shared<const std::vector<std::uint8_t>>(DataFileBytes(FStore));
  } catch (const std::exception&) {
    FLast.reset();
  }
  std::vector<std::uint8_t> OnDisk;
  FFileHoldsStore = FLast && ReadWholeFile(RecoveryFileName, OnDisk) && OnDisk == *FLast;
}

void TSessionRecovery::Watch() { qApp->installEventFilter(this); }

bool TSessionRecovery::eventFilter(QObject* Watched, QEvent* Event) {
  switch (Event->type()) {
    case QEvent::KeyRelease:
    case QEvent::MouseButtonRelease:
    case QEvent::Drop:
    case QEvent::InputMethod:
      NoteInput();
      break;
    default:
      break;
  }
  return QObject::eventFilter(Watched, Event);
}

void TSessionRecovery::NoteInput() {
  if (!FQuiet.isActive()) FSinceFirstInput.start();
  // While input goes on, the comparison is put off, but not past the
  // longest interval since the first input that was not compared yet.
  const qint64 Left = LongestMilliseconds - FSinceFirstInput.elapsed();
  FQuiet.start(static_cast<int>(std::max<qint64>(0, std::min<qint64>(QuietMilliseconds, Left))));
}

bool TSessionRecovery::CheckNow() {
  FQuiet.stop();
  std::shared_ptr<const std::vector<std::uint8_t>> Now;
  try {
    Now = std::make_shared<const std::vector<std::uint8_t>>(DataFileBytes(FStore));
  } catch (const TFormatLimitError&) {
    // The store holds what the layout cannot: keep the last recovery file.
    return false;
  }
  if (FLast && *Now == *FLast) return true;
  FLast = Now;
  FFileHoldsStore = true;
  FWriter->Submit(Now);
  return true;
}

bool TSessionRecovery::WriteNow(bool Always) {
  if (!CheckNow()) return false;
  if (!FFileHoldsStore) {
    if (!Always || !FLast) return false;
    FFileHoldsStore = true;
    FWriter->Submit(FLast);
  }
  return FWriter->Flush();
}

void TSessionRecovery::Discard() {
  FQuiet.stop();
  FWriter->Remove();
  FFileHoldsStore = false;
}
