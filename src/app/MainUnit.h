// The main window: the trip selector, the unit selectors, the column of
// picture buttons, the pages (built from the page table), the menus,
// start-up and close.
#pragma once

#include <QMainWindow>
#include <QSize>
#include <array>
#include <memory>
#include <vector>

#include "ui/AppContext.h"
#include "ui/PageIndices.h"
#include "ui/ScreenFit.h"
#include "store/Traveler.h"

class QAction;
class QButtonGroup;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QTabWidget;
class QTimer;
class QToolButton;
class TTripPage;
class TCalendarPage;
class TGearPage;
class TLogisticsPage;
class TCalculatorPage;
class TShoppingPage;
class TRecipesPage;
class TPermitsPage;
class TContactsPage;
class TBudgetPage;
class TReportsPage;
class TGoShoppingPage;
class TStorePromptAdapter;
class TSessionRecovery;
class TDataFileHandler;
struct TDataFileChange;
struct TKeptCopies;
class TUndoRecorder;

class TMainForm : public QMainWindow, public TPageIndices {
  Q_OBJECT
 public:

  // Creates the store, loads qmp.dat from the working directory and shows
  // the first trip (FormCreate).
  explicit TMainForm(IPrompts& Prompts, QWidget* Parent = nullptr);
  ~TMainForm() override;

  TTravelerData& TripData() { return *FTripData; }
  TAppContext& Context() { return *FContext; }

  // The window's size as designed, and the room its frame takes on screen.
  static constexpr QSize DesignedSize{922, 695};
  static constexpr QSize WindowFrameAllowance = TScreenFit::FrameAllowance;
  // Keeps the window and its minimum size within the screen area Available,
  // the designed size where it fits, and centres the window in it.
  void FitToScreen(const QRect& Available);

  // Shows the selected trip on every page, in the fixed order.
  void RefreshTripPages();

  // Takes the values still being typed into grid cells into the store.
  void CommitPendingEdits();
  // An ending without dialogs (a termination signal, the desktop session's
  // end): commits, saves and removes the recovery file. On failure the
  // recovery file holds the store; returns whether the save succeeded.
  bool SaveForSessionEnd();
  // SaveForSessionEnd, then closes the window without asking anything and
  // leaves the event loop with 0 (1 when the save failed).
  void EndSession();
  TSessionRecovery& Recovery() { return *FRecovery; }
  // Undo and redo of the trip plans (the Edit menu).
  TUndoRecorder& UndoRecorder() { return *FUndoRecorder; }
  // Lists the store's trips in the selector again and shows trip Trip (none
  // when -1 or gone), as after the store was replaced by undo or redo.
  void ShowTrips(int Trip);
  // Shows the trip just added at the end of the store (new, imported, copied).
  void ShowAddedTrip();
  // Shows page Index as its picture button does, the button pressed.
  void ShowPage(int Index);
  // The page at tab position Index; none when there is no such page.
  TTripPage* PageAt(int Index) const;

  // Event handlers.
  void Timer1Timer();
  void Button1Click();
  void Button2Click();
  void ComboBox1Change();
  void ComboBox2Change();
  void ComboBox3Change();
  void PageControl1Change();
  void SpeedButtonClick(int PageIndex);
  void Exit1Click();
  void Updates1Click();
  void About1Click();

  // Controls, named as the pages and tests know them.
  QComboBox* ComboBox1 = nullptr;  // trip selector
  QComboBox* ComboBox2 = nullptr;  // weight unit
  QComboBox* ComboBox3 = nullptr;  // volume unit
  QPushButton* Button1 = nullptr;  // "&Add Trip"
  QPushButton* Button2 = nullptr;  // "&Delete Trip"
  QLabel* Image1 = nullptr;        // banner
  QTabWidget* PageControl1 = nullptr;
  QTimer* Timer1 = nullptr;
  QAction* ImportTripPlanFromTextFile1 = nullptr;
  QAction* ExportCurrentTripPlanToFile1 = nullptr;
  QAction* RenameTrip1 = nullptr;
  QAction* DuplicateTrip1 = nullptr;
  QAction* ImportGearListFromCsvFile1 = nullptr;
  QAction* ExportGearListToCsvFile1 = nullptr;
  QAction* Exit1 = nullptr;
  QMenu* Edit1 = nullptr;
  QAction* Updates1 = nullptr;
  QAction* About1 = nullptr;
  // SpeedButtons[i] is the picture button of page i (none for Go Shopping!).
  std::array<QToolButton*, PageCount> SpeedButtons{};

  // The pages by their classes, for the settings and tests (the shell itself
  // goes by the page table).
  TCalendarPage* CalendarPage = nullptr;
  TGearPage* GearPage = nullptr;
  TLogisticsPage* LogisticsPage = nullptr;
  TCalculatorPage* CalculatorPage = nullptr;
  TShoppingPage* ShoppingPage = nullptr;
  TRecipesPage* RecipesPage = nullptr;
  TPermitsPage* PermitsPage = nullptr;
  TContactsPage* ContactsPage = nullptr;
  TBudgetPage* BudgetPage = nullptr;
  TReportsPage* ReportsPage = nullptr;
  TGoShoppingPage* GoShoppingPage = nullptr;

  // The start-up configuration values, set by the start-up timer.
  QString UpdatesAddress;
  QString ShoppingAddress;
  QString ReportFooter;
  QString AboutText;

 protected:
  void closeEvent(QCloseEvent* Event) override;
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  void FormCreate();
  // Saves the store at close; false when the window is to stay open. A
  // failed save offers to close anyway, the changes kept in the recovery file.
  bool FormCloseQuery();
  enum class TSaveResult { Saved, Declined, Failed };
  // Saves qmp.dat, keeping a version changed by another program since it was
  // read (asking first when Interactive) and a damaged one aside.
  TSaveResult SaveDataFile(bool Interactive);
  // False when the user declined to save over another program's change.
  bool MaySaveOverChange(const TDataFileChange& Change, bool Interactive);
  void TellKeptCopies(const TKeptCopies& Kept, bool Interactive);
  void BuildTopBand(QWidget* Parent);
  QWidget* BuildButtonColumn();
  void BuildPages();
  void BuildMenus();
  void ListTrips();
  // Fills the trip selector with the store's trip names.
  void ListTripNames();
  void ClearAllPages();
  void AddPage(TTripPage* Page, const QString& Caption);
  template <class TPage>
  TPage* PageAs(int Index) const;
  // The picture button of page Index; none when it has none.
  QToolButton* PictureButton(int Index) const;

  std::unique_ptr<TTravelerData> FTripData;
  std::unique_ptr<TStorePromptAdapter> FStorePrompt;
  std::unique_ptr<TAppContext> FContext;
  QButtonGroup* FSpeedButtonGroup = nullptr;
  // The pages in tab order.
  std::array<TTripPage*, PageCount> FPages{};
  // Pages in the order of the whole-window refresh.
  std::vector<TTripPage*> FRefreshOrder;
  bool FSwitchingByButton = false;
  // Reads and saves qmp.dat, keeping a damaged or changed one aside.
  std::unique_ptr<TDataFileHandler> FDataFile;
  std::unique_ptr<TSessionRecovery> FRecovery;
  std::string FSaveFailure;  // why the last save failed
  // Released before the store it watches.
  std::unique_ptr<TUndoRecorder> FUndoRecorder;
  bool FEnding = false;  // EndSession closes without saving again
};
