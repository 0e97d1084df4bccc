#include "app/MainUnit.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QProxyStyle>
#include <QPushButton>
#include <QScrollArea>
#include <QScreen>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <iostream>

#include "app/CalculatorPage.h"
#include "app/CalendarPage.h"
#include "app/ExchangeCommands.h"
#include "app/GoShoppingPage.h"
#include "app/PageKeys.h"
#include "app/SessionRecovery.h"
#include "app/TripCommands.h"
#include "app/UndoRecorder.h"
#include "gear/BudgetPage.h"
#include "gear/GearPage.h"
#include "gear/ShoppingPage.h"
#include "gear/core/Units.h"
#include "pages/ContactsPage.h"
#include "pages/LogisticsPage.h"
#include "pages/PermitsPage.h"
#include "pages/RecipesPage.h"
#include "reports/ReportsPage.h"
#include "startup/ProgramInfo.h"
#include "store/ByteFile.h"
#include "store/DataFileFormat.h"
#include "store/DataFileHandler.h"
#include "store/StoreErrors.h"
#include "ui/PageAccess.h"
#include "ui/StorePromptAdapter.h"
#include "ui/StoreText.h"
#include "widgets/ColumnScrollArea.h"
#include "widgets/FocusRing.h"
#include "widgets/ValueListEditor.h"
#include "app/PageKeys.h"
#include "app/PageTable.h"
#include "ui/PageAccess.h"

namespace {

template <std::size_t Count>
QStringList UnitNames(const std::array<TUnit, Count>& Units) {
  QStringList Names;
  for (const TUnit& Unit : Units) Names.append(Unit.Name);
  return Names;
}

// The user's decimal separator when it is a plain character (number text in
// the editors falls back to "." otherwise) and their group separator, as
// UTF-8; none when it is a digit or the decimal separator.
TNumberSettings UserNumberSettings() {
  const QLocale Locale;
  const QString Point = Locale.decimalPoint();
  const QChar First = Point.isEmpty() ? QChar('.') : Point.at(0);
  TNumberSettings Settings;
  Settings.DecimalSeparator = Point.size() == 1 && First.unicode() > 32 && First.unicode() < 127 && !First.isDigit()
                                  ? static_cast<char>(First.unicode())
                                  : '.';
  const QString Group = Locale.groupSeparator();
  if (!Group.isEmpty() && Group != QString(QChar(Settings.DecimalSeparator)) &&
      std::none_of(Group.begin(), Group.end(), [](QChar c) { return c.isDigit(); }))
    Settings.GroupSeparator = Group.toStdString();
  return Settings;
}

// Narrower tab padding than the desktop style's, so that the eleven tabs fit
// the window's width.
class TCompactTabStyle : public QProxyStyle {
 public:
  int pixelMetric(PixelMetric Metric, const QStyleOption* Option, const QWidget* Widget) const override {
    if (Metric == PM_TabBarTabHSpace) return 16;
    return QProxyStyle::pixelMetric(Metric, Option, Widget);
  }
};

// The banner keeps its designed size where the window has room for it, and
// gives way to the selectors beside it on a narrow screen.
class TBannerLabel : public QLabel {
 public:
  explicit TBannerLabel(QWidget* Parent) : QLabel(Parent) {
    setMinimumSize(MinimumWidth, Size.height());
    setMaximumSize(Size);
  }
  QSize sizeHint() const override { return Size; }
  QSize minimumSizeHint() const override { return minimumSize(); }

 private:
  static constexpr QSize Size{601, 89};
  static constexpr int MinimumWidth = 150;
};

QFont ComicFont() {
  QFont Font("Comic Sans MS");
  Font.setPointSize(9);
  return Font;
}

}  // namespace

TMainForm::TMainForm(IPrompts& Prompts, QWidget* Parent) : QMainWindow(Parent) {
  setWindowTitle("Quillmoor Planner");
  resize(DesignedSize);
  FTripData = std::make_unique<TTravelerData>();
  FDataFile = std::make_unique<TDataFileHandler>(*FTripData);
  FStorePrompt = std::make_unique<TStorePromptAdapter>(Prompts);
  FTripData->SetPrompt(FStorePrompt.get());
  FContext = std::make_unique<TAppContext>(*FTripData, Prompts);

  auto* Central = new QWidget(this);
  auto* Layout = new QVBoxLayout(Central);
  Layout->setContentsMargins(0, 0, 0, 0);
  Layout->setSpacing(0);
  BuildTopBand(Central);
  auto* Body = new QHBoxLayout;
  Body->setSpacing(0);
  Body->addWidget(new TColumnScrollArea(BuildButtonColumn(), Central));
  PageControl1 = new QTabWidget(Central);
  PageControl1->setFont(ComicFont());
  // The tab row takes the focus itself: its frame is no Tab stop.
  PageControl1->setFocusPolicy(Qt::NoFocus);
  PageControl1->tabBar()->setFocusPolicy(Qt::TabFocus);
  // Eleven tabs share the width: keep them compact so all stay visible.
  QFont TabFont = ComicFont();
  TabFont.setPointSize(8);
  PageControl1->tabBar()->setFont(TabFont);
  auto* CompactStyle = new TCompactTabStyle;
  CompactStyle->setParent(PageControl1);
  PageControl1->tabBar()->setStyle(CompactStyle);
  Body->addWidget(PageControl1, 1);
  Layout->addLayout(Body, 1);
  setCentralWidget(Central);
  BuildPages();
  BuildMenus();
  new TExchangeCommands(*this);
  new TPageKeys(this, PageControl1);
  new TFocusRing(this);
  FUndoRecorder = std::make_unique<TUndoRecorder>(*this, *Edit1);

  FContext->SetSelectedTripSource([this] { return ComboBox1->currentIndex(); });
  FContext->SetUnitSources([this] { return ComboBox2->currentIndex(); },
                           [this] { return ComboBox3->currentIndex(); });
  FContext->SetActivePageSource([this] { return PageControl1->currentIndex(); });
  FContext->SetRefresh([this] { RefreshTripPages(); });
  FContext->SetCommitPendingEdits([this] { CommitPendingEdits(); });
  FContext->SetNumberSettings(UserNumberSettings());

  Timer1 = new QTimer(this);
  Timer1->setSingleShot(true);
  Timer1->setInterval(50);
  connect(Timer1, &QTimer::timeout, this, [this] { FContext->Guarded([this] { Timer1Timer(); }); });
  Timer1->start();

  FRecovery = std::make_unique<TSessionRecovery>(*FTripData);
  // Said once in the status bar, not in a dialog: the user may be typing.
  connect(FRecovery.get(), &TSessionRecovery::WriteProblem, this,
          [this](const QString& Text) { statusBar()->showMessage(Text); });
  connect(FRecovery.get(), &TSessionRecovery::WriteProblemGone, this, [this] { statusBar()->clearMessage(); });
  FContext->Guarded([this] { FormCreate(); });
  if (const QScreen* Screen = screen()) FitToScreen(Screen->availableGeometry());
  FRecovery->Baseline();
  FRecovery->Watch();
  FUndoRecorder->Baseline();
  new TTripCommands(*this);
}

TMainForm::~TMainForm() = default;

void TMainForm::BuildTopBand(QWidget* Parent) {
  auto* Panel1 = new QWidget(Parent);
  Panel1->setObjectName("Panel1");
  Panel1->setFixedHeight(96);
  Panel1->setFont(ComicFont());
  PaintPanelGreen(Panel1);
  auto* Band = new QHBoxLayout(Panel1);
  Band->setContentsMargins(2, 2, 6, 2);

  Image1 = new TBannerLabel(Panel1);
  Image1->setScaledContents(true);
  Image1->setAlignment(Qt::AlignCenter);
  Band->addWidget(Image1, 0, Qt::AlignTop | Qt::AlignLeft);

  auto* Selectors = new QGridLayout;
  Selectors->setVerticalSpacing(1);
  auto* TripLabel = new QLabel("&Trip Plans:", Panel1);
  ComboBox1 = new QComboBox(Panel1);
  ComboBox1->setObjectName("ComboBox1");
  // A pick with the wheel changes the trip without a focus change: the
  // grids give up their typed values first.
  ComboBox1->installEventFilter(this);
  ComboBox1->setMinimumWidth(150);
  QPalette Aqua = ComboBox1->palette();
  Aqua.setColor(QPalette::Button, QColor(0, 255, 255));
  Aqua.setColor(QPalette::Base, QColor(0, 255, 255));
  // Dark text on the fixed aqua in any colour scheme.
  for (auto Role : {QPalette::ButtonText, QPalette::Text}) {
    Aqua.setColor(QPalette::Active, Role, Qt::black);
    Aqua.setColor(QPalette::Inactive, Role, Qt::black);
    Aqua.setColor(QPalette::Disabled, Role, QColor(64, 64, 64));
  }
  ComboBox1->setPalette(Aqua);
  TripLabel->setBuddy(ComboBox1);
  Button1 = new QPushButton("&Add Trip", Panel1);
  Button1->setObjectName("Button1");
  Button2 = new QPushButton("&Delete Trip", Panel1);
  Button2->setObjectName("Button2");
  auto* TripButtons = new QHBoxLayout;
  TripButtons->addWidget(Button1);
  TripButtons->addWidget(Button2);
  auto* Label11 = new QLabel("Show Weight In :", Panel1);
  ComboBox2 = new QComboBox(Panel1);
  ComboBox2->setObjectName("ComboBox2");
  ComboBox2->addItems(UnitNames(WeightUnits));
  ComboBox2->setCurrentIndex(KilogramsIndex);
  auto* Label14 = new QLabel("Show Volume In :", Panel1);
  ComboBox3 = new QComboBox(Panel1);
  ComboBox3->setObjectName("ComboBox3");
  ComboBox3->addItems(UnitNames(VolumeUnits));
  ComboBox3->setCurrentIndex(CubicMetersIndex);
  Selectors->addWidget(TripLabel, 0, 0);
  Selectors->addWidget(ComboBox1, 0, 1);
  Selectors->addLayout(TripButtons, 1, 1);
  Selectors->addWidget(Label11, 2, 0);
  Selectors->addWidget(ComboBox2, 2, 1);
  Selectors->addWidget(Label14, 3, 0);
  Selectors->addWidget(ComboBox3, 3, 1);
  Band->addLayout(Selectors, 1);
  Parent->layout()->addWidget(Panel1);
  NameControls(Panel1, QString());

  // activated: only the user's pick, never an index set from code.
  connect(ComboBox1, qOverload<int>(&QComboBox::activated), this,
          [this] { FContext->Guarded([this] { ComboBox1Change(); }); });
  connect(ComboBox2, qOverload<int>(&QComboBox::activated), this,
          [this] { FContext->Guarded([this] { ComboBox2Change(); }); });
  connect(ComboBox3, qOverload<int>(&QComboBox::activated), this,
          [this] { FContext->Guarded([this] { ComboBox3Change(); }); });
  connect(Button1, &QPushButton::clicked, this, [this] { FContext->Guarded([this] { Button1Click(); }); });
  connect(Button2, &QPushButton::clicked, this, [this] { FContext->Guarded([this] { Button2Click(); }); });
}

QWidget* TMainForm::BuildButtonColumn() {
  auto* Panel18 = new QWidget(this);
  Panel18->setObjectName("Panel18");
  Panel18->setFixedWidth(62);
  PaintPanelGreen(Panel18);
  auto* Column = new QVBoxLayout(Panel18);
  Column->setContentsMargins(6, 4, 6, 4);
  Column->setSpacing(4);
  FSpeedButtonGroup = new QButtonGroup(this);
  FSpeedButtonGroup->setExclusive(true);
  // One button for each page with a picture, in tab order.
  for (const TPageDescriptor& Page : PageTable()) {
    if (!Page.Picture) continue;
    auto* Button = new QToolButton(Panel18);
    Button->setFixedSize(49, 49);
    Button->setCheckable(true);
    Button->setAutoRaise(true);
    Button->setIcon(QIcon(QString(":/pictures/%1.png").arg(Page.Picture)));
    Button->setIconSize(QSize(41, 41));
    Button->setToolTip(Page.Caption);
    Button->setAccessibleName(Page.Caption);
    FSpeedButtonGroup->addButton(Button, Page.Index);
    SpeedButtons[static_cast<std::size_t>(Page.Index)] = Button;
    Column->addWidget(Button);
    connect(Button, &QToolButton::clicked, this, [this, Index = Page.Index] { SpeedButtonClick(Index); });
  }
  Column->addStretch(1);
  SpeedButtons[CalendarPageIndex]->setChecked(true);
  return Panel18;
}

void TMainForm::AddPage(TTripPage* Page, const QString& Caption) {
  // On a small screen the page scrolls instead of making the window larger
  // than the screen.
  auto* Scroller = new QScrollArea;
  Scroller->setFrameShape(QFrame::NoFrame);
  Scroller->setWidgetResizable(true);
  // The frame is no control: Tab goes to the page's controls (the area still
  // scrolls to the control that takes the focus).
  Scroller->setFocusPolicy(Qt::NoFocus);
  Scroller->setWidget(Page);
  PageControl1->addTab(Scroller, Caption);
  NameControls(Page, Caption);
  OrderTabsByReading(Page);
}

void TMainForm::FitToScreen(const QRect& Available) {
  resize(DesignedSize);
  TScreenFit::Fit(*this, Available);
  // Centred with its frame: the frame's top left is the window's position.
  move(Available.center() - QRect(QPoint(0, 0), size() + WindowFrameAllowance).center());
}

template <class TPage>
TPage* TMainForm::PageAs(int Index) const {
  return qobject_cast<TPage*>(FPages[static_cast<std::size_t>(Index)]);
}

void TMainForm::BuildPages() {
  std::vector<const TPageDescriptor*> Refreshed;
  for (const TPageDescriptor& Page : PageTable()) {
    TTripPage* Built = Page.Create(*FContext);
    FPages[static_cast<std::size_t>(Page.Index)] = Built;
    AddPage(Built, Page.Caption);
    // Without a picture button, the tab gives the hint.
    if (!Page.Picture) PageControl1->setTabToolTip(Page.Index, Page.Caption);
    if (Page.RefreshOrder != TPageDescriptor::NotRefreshed) Refreshed.push_back(&Page);
  }
  std::stable_sort(Refreshed.begin(), Refreshed.end(),
                   [](const TPageDescriptor* A, const TPageDescriptor* B) { return A->RefreshOrder < B->RefreshOrder; });
  for (const TPageDescriptor* Page : Refreshed) FRefreshOrder.push_back(FPages[static_cast<std::size_t>(Page->Index)]);
  CalendarPage = PageAs<TCalendarPage>(CalendarPageIndex);
  GearPage = PageAs<TGearPage>(GearPageIndex);
  LogisticsPage = PageAs<TLogisticsPage>(LogisticsPageIndex);
  CalculatorPage = PageAs<TCalculatorPage>(CalculatorPageIndex);
  ShoppingPage = PageAs<TShoppingPage>(ShoppingPageIndex);
  RecipesPage = PageAs<TRecipesPage>(RecipesPageIndex);
  PermitsPage = PageAs<TPermitsPage>(PermitsPageIndex);
  ContactsPage = PageAs<TContactsPage>(ContactsPageIndex);
  BudgetPage = PageAs<TBudgetPage>(BudgetPageIndex);
  ReportsPage = PageAs<TReportsPage>(ReportsPageIndex);
  GoShoppingPage = PageAs<TGoShoppingPage>(GoShoppingPageIndex);
  PageControl1->setCurrentIndex(CalendarPageIndex);
  connect(PageControl1, &QTabWidget::currentChanged, this, [this] {
    CommitPendingEdits();
    if (!FSwitchingByButton) FContext->Guarded([this] { PageControl1Change(); });
  });
}

void TMainForm::BuildMenus() {
  QMenu* File1 = menuBar()->addMenu("&File");
  ImportTripPlanFromTextFile1 = File1->addAction("&Import Trip Plan From Text File...");
  ExportCurrentTripPlanToFile1 = File1->addAction("&Export Current Trip Plan To Text File...");
  RenameTrip1 = File1->addAction("&Rename Trip...");
  DuplicateTrip1 = File1->addAction("&Duplicate Trip");
  File1->addSeparator();
  ImportGearListFromCsvFile1 = File1->addAction("Import &Gear List From CSV File...");
  ExportGearListToCsvFile1 = File1->addAction("Export Gear &List To CSV File...");
  File1->addSeparator();
  Exit1 = File1->addAction("E&xit");
  Edit1 = menuBar()->addMenu("&Edit");
  Updates1 = menuBar()->addAction("&Updates");
  About1 = menuBar()->addAction("About");
  connect(Exit1, &QAction::triggered, this, [this] { Exit1Click(); });
  connect(Updates1, &QAction::triggered, this, [this] { FContext->Guarded([this] { Updates1Click(); }); });
  connect(About1, &QAction::triggered, this, [this] { FContext->Guarded([this] { About1Click(); }); });
}

// ---- Creation and close ----

void TMainForm::FormCreate() {
  const std::string FromFile = FRecovery->FileToLoad(FContext->Prompts);
  if (FromFile != DataFileName) {
    // Restored: the recovery file was found complete.
    FDataFile->LoadRestored(FromFile);
    ListTrips();
    return;
  }
  const TDataFileLoad Loaded = FDataFile->Load();
  // The trips read before any damage are listed, so that the selector and
  // the store keep the same order; a file that is not ours gave none.
  if (Loaded.Outcome != TDataFileLoad::TOutcome::Foreign) ListTrips();
  if (!Loaded.Failure.empty()) throw std::runtime_error(Loaded.Failure);
}

void TMainForm::ListTrips() {
  ListTripNames();
  ComboBox1->setCurrentIndex(FTripData->TripCount() > 0 ? 0 : -1);
  RefreshTripPages();
}

void TMainForm::CommitPendingEdits() {
  for (TValueListEditor* Grid : findChildren<TValueListEditor*>()) Grid->FinishEditing();
}

bool TMainForm::MaySaveOverChange(const TDataFileChange& Change, bool Interactive) {
  return !Change.ChangedElsewhere || !Interactive ||
         FContext->Prompts.Confirm("\"" + FromStore(DataFileName) +
                                   "\" was changed by another program since this window read it. Save the trip "
                                   "plans of this window in its place? The other version will be kept as \"" +
                                   FromStore(Change.KeepAs) + "\".");
}

void TMainForm::TellKeptCopies(const TKeptCopies& Kept, bool Interactive) {
  if (!Interactive) return;
  if (!Kept.Changed.empty())
    FContext->Prompts.Information("The other version of the trip plans was kept as \"" + FromStore(Kept.Changed) +
                                  "\".");
  if (!Kept.Damaged.empty())
    FContext->Prompts.Information("The data file that could not be read was kept as \"" + FromStore(Kept.Damaged) +
                                  "\".");
}

TMainForm::TSaveResult TMainForm::SaveDataFile(bool Interactive) {
  try {
    const TDataFileChange Change = FDataFile->CheckForChange();
    if (!MaySaveOverChange(Change, Interactive)) return TSaveResult::Declined;
    TKeptCopies Kept;
    try {
      FDataFile->Save(Change, Kept);
    } catch (const TKeepAsideError& Failure) {
      throw TFileIOError("The data file \"" + DataFileName +
                         "\" could not be read when this window opened and cannot be kept aside now, so it "
                         "was not replaced (" + Failure.what() + ")");
    } catch (const std::exception&) {
      // What was kept before the failure is still told, before the failure.
      TellKeptCopies(Kept, Interactive);
      throw;
    }
    TellKeptCopies(Kept, Interactive);
    FRecovery->Discard();
    return TSaveResult::Saved;
  } catch (const std::exception& Failure) {
    FSaveFailure = Failure.what();
    if (Interactive) ShowStandardError(FContext->Prompts, Failure);
    return TSaveResult::Failed;
  }
}

bool TMainForm::FormCloseQuery() {
  CommitPendingEdits();
  switch (SaveDataFile(true)) {
    case TSaveResult::Saved:
      return true;
    case TSaveResult::Declined:
      return false;
    case TSaveResult::Failed:
      break;
  }
  // The way out of a close that cannot save: the store goes into the
  // recovery file, which the next start offers back.
  if (FRecovery->WriteNow(true))
    return FContext->Prompts.ConfirmDefaultNo("Close anyway? The changes are kept in " + FRecovery->FileName() +
                                              ".");
  return FContext->Prompts.ConfirmDefaultNo(
      "Close anyway? The changes could not be kept anywhere and will be lost.");
}

bool TMainForm::SaveForSessionEnd() {
  CommitPendingEdits();
  if (SaveDataFile(false) == TSaveResult::Saved) return true;
  const bool Kept = FRecovery->WriteNow(true);
  // No dialog at this ending: the reason goes to standard error.
  std::cerr << ProgramFileName << ": the trip plans could not be saved: " << FSaveFailure << "\n"
            << ProgramFileName << ": "
            << (Kept ? "the changes are kept in " + FRecovery->FileName().toStdString()
                     : std::string("the changes could not be kept anywhere and are lost"))
            << std::endl;
  return false;
}

void TMainForm::EndSession() {
  if (FEnding) return;
  const bool Saved = SaveForSessionEnd();
  FEnding = true;
  close();
  QCoreApplication::exit(Saved ? 0 : 1);
}

bool TMainForm::eventFilter(QObject* Watched, QEvent* Event) {
  if (Watched == ComboBox1 && (Event->type() == QEvent::Wheel || Event->type() == QEvent::MouseButtonPress))
    CommitPendingEdits();
  return QMainWindow::eventFilter(Watched, Event);
}

void TMainForm::closeEvent(QCloseEvent* Event) {
  if (FEnding || FormCloseQuery())
    Event->accept();
  else
    Event->ignore();
}

// ---- Start-up timer ----

void TMainForm::Timer1Timer() {
  Timer1->stop();
  FContext->Config = LoadStartupConfig();
  Image1->setPixmap(FContext->Config.Banner);
  UpdatesAddress = FContext->Config.UpdatesAddress;
  ShoppingAddress = FContext->Config.ShoppingAddress;
  ReportFooter = FContext->Config.ReportFooter;
  AboutText = FContext->Config.AboutText;
  for (TTripPage* Page : FPages) Page->StartUp();
}

// ---- Whole-window refresh ----

void TMainForm::RefreshTripPages() {
  if (FContext->Trip() < 0) return;
  for (TTripPage* Page : FRefreshOrder) Page->FillPage();
}

void TMainForm::ListTripNames() {
  ComboBox1->clear();
  for (int i = 0; i < FTripData->TripCount(); ++i) ComboBox1->addItem(FromStore(FTripData->GetTrip(i).Name));
}

void TMainForm::ShowTrips(int Trip) {
  ListTripNames();
  const bool Exists = Trip >= 0 && Trip < FTripData->TripCount();
  ComboBox1->setCurrentIndex(Exists ? Trip : -1);
  if (Exists) {
    RefreshTripPages();
    PageControl1->currentWidget()->setEnabled(true);
  } else {
    ClearAllPages();
    if (FTripData->TripCount() == 0) PageControl1->currentWidget()->setEnabled(false);
  }
}

void TMainForm::ShowAddedTrip() { ShowTrips(FTripData->TripCount() - 1); }

TTripPage* TMainForm::PageAt(int Index) const {
  return Index >= 0 && Index < PageCount ? FPages[static_cast<std::size_t>(Index)] : nullptr;
}

QToolButton* TMainForm::PictureButton(int Index) const {
  return Index >= 0 && Index < PageCount ? SpeedButtons[static_cast<std::size_t>(Index)] : nullptr;
}

void TMainForm::ShowPage(int Index) {
  SpeedButtonClick(Index);
  if (QToolButton* Button = PictureButton(Index)) Button->setChecked(true);
}

void TMainForm::ClearAllPages() {
  for (TTripPage* Page : FRefreshOrder) Page->ClearPage();
}

// ---- Trips ----

void TMainForm::Button1Click() {
  CommitPendingEdits();
  if (FTripData->NewTrip()) ShowAddedTrip();
}

void TMainForm::Button2Click() {
  CommitPendingEdits();
  if (FTripData->TripCount() == 0) return;
  if (!FTripData->DeleteTrip(ComboBox1->currentIndex(), true)) return;
  const int Selected = ComboBox1->currentIndex() <= 0 ? -1 : ComboBox1->currentIndex() - 1;
  // Select first, so the selector never names the deleted trip.
  ComboBox1->setCurrentIndex(Selected);
  ComboBox1->removeItem(Selected + 1);
  if (Selected < 0) ComboBox1->setCurrentIndex(-1);
  RefreshTripPages();
  if (FTripData->TripCount() == 0) {
    PageControl1->currentWidget()->setEnabled(false);
    ClearAllPages();
  } else if (Selected < 0) {
    // No trip is selected: nothing may keep showing the deleted trip.
    ClearAllPages();
  }
}

void TMainForm::ComboBox1Change() {
  RefreshTripPages();
  const int Trip = ComboBox1->currentIndex();
  if (Trip < 0) return;
  FContext->Prompts.ShowMessage("Changed to \"" + FromStore(FTripData->GetTrip(Trip).Name) +
                                "\" trip plan");
}

// ---- Units ----

void TMainForm::ComboBox2Change() {
  for (const TPageDescriptor& Page : PageTable())
    if (Page.Has(TPageDescriptor::FollowsWeightUnit)) PageAt(Page.Index)->WeightUnitChanged();
}

void TMainForm::ComboBox3Change() {
  for (const TPageDescriptor& Page : PageTable())
    if (Page.Has(TPageDescriptor::FollowsVolumeUnit)) PageAt(Page.Index)->VolumeUnitChanged();
}

// ---- Pages ----

void TMainForm::PageControl1Change() {
  const int Page = PageControl1->currentIndex();
  if (FTripData->TripCount() > 0) {
    PageControl1->currentWidget()->setEnabled(true);
  } else {
    FContext->Prompts.Information("Please add a new trip");
    PageControl1->currentWidget()->setEnabled(false);
  }
  if (TTripPage* Shown = PageAt(Page)) Shown->ShownByTab();
  if (QToolButton* Button = PictureButton(Page)) Button->setChecked(true);
}

void TMainForm::SpeedButtonClick(int PageIndex) {
  CommitPendingEdits();
  FSwitchingByButton = true;
  PageControl1->setCurrentIndex(PageIndex);
  FSwitchingByButton = false;
}

// ---- Menus ----

void TMainForm::Exit1Click() { close(); }

void TMainForm::Updates1Click() { OpenAddress(FContext->Prompts, UpdatesAddress); }

void TMainForm::About1Click() { FContext->Prompts.ShowMessage(AboutText); }
