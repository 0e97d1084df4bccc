// The session's recovery file: while the planner runs, every change that
// reaches the store is also written, shortly after the user stops, to a file
// beside qmp.dat in the data file's layout. A clean close removes it; at the
// next start a leftover one is offered back.
//
// Changes are noticed by comparing the store's bytes: the pages write into
// the records they hold, so nothing else sees every change. The comparison
// runs a moment after user input (a key, a click, a drop), at most
// QuietMilliseconds after the last input and at least every
// LongestMilliseconds while input goes on. Serialising happens on the
// user-interface thread; the file is written on a thread of its own. The
// file is the program's own: a link in its place is replaced, never written
// through.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

class IPrompts;
class TBackgroundFileWriter;
class TTravelerData;

class TSessionRecovery : public QObject {
  Q_OBJECT
 public:
  static constexpr int QuietMilliseconds = 2000;
  static constexpr int LongestMilliseconds = 10000;

  TSessionRecovery(TTravelerData& Store, QObject* Parent = nullptr);
  ~TSessionRecovery() override;

  // At start, before the store is loaded. When the last run left changes
  // that were not saved, asks whether to restore them. Returns the file to
  // load: the recovery file after a Yes, else the data file. A recovery file
  // that is not restored is kept aside with a time stamp in its name (the
  // user is told where); one identical to the data file is removed.
  std::string FileToLoad(IPrompts& Prompts);

  // The store as it is now is what the files hold: no change yet.
  void Baseline();
  // Starts noticing user input, which schedules a comparison.
  void Watch();

  // Compares now and, when the store changed, writes the recovery file in
  // the background. Returns false when the store cannot be written in the
  // data file's layout.
  bool CheckNow();
  // Writes the recovery file now, also for a store without changes when
  // Always is set, and waits for it. True when the file holds the store.
  bool WriteNow(bool Always);
  // After the store was saved: removes the recovery file.
  void Discard();

  // The recovery file, as shown to the user (absolute path).
  QString FileName() const;
  // Whether a comparison is scheduled (for tests).
  bool CheckPending() const { return FQuiet.isActive(); }

 signals:
  // The recovery file could not be written, with the reason for the user;
  // emitted once until a write succeeds again, which emits WriteProblemGone.
  void WriteProblem(const QString& Text);
  void WriteProblemGone();

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  void NoteInput();
  QString KeepAside(const std::string& Suffix);
  // On the user-interface thread, after each background write.
  void NoteWritten(bool Ok, const QString& Failure);

  TTravelerData& FStore;
  std::unique_ptr<TBackgroundFileWriter> FWriter;
  // The bytes last written or loaded.
  std::shared_ptr<const std::vector<std::uint8_t>> FLast;
  bool FFileHoldsStore = false;  // the recovery file exists and holds FLast
  bool FProblemShown = false;    // WriteProblem was emitted, WriteProblemGone not yet
  QTimer FQuiet;
  QElapsedTimer FSinceFirstInput;
};
