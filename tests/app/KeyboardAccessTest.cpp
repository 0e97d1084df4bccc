// The main window without the mouse and through a screen reader's eyes:
// every control named, no container in the Tab order, Tab in reading order
// on every page, page switching from anywhere, readable in a dark palette.
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QStyleFactory>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "app/CalendarPage.h"
#include "app/Unit2.h"
#include "calc/Unit3.h"
#include "support/MainFormFixture.h"
#include "ui/DarkPalette.h"
#include "widgets/CategoryTree.h"
#include "widgets/CheckListBox.h"
#include "widgets/MonthGrid.h"
#include "widgets/ValueListEditor.h"

namespace {

QString Spoken(QWidget* Control, QAccessible::Text Kind = QAccessible::Name) {
  QAccessibleInterface* Interface = QAccessible::queryAccessibleInterface(Control);
  return Interface ? Interface->text(Kind).trimmed() : QString();
}

QString Describe(const QWidget* Control) {
  return QString("%1 \"%2\" at %3,%4")
      .arg(Control->metaObject()->className(), Control->objectName())
      .arg(Control->mapTo(Control->window(), QPoint(0, 0)).x())
      .arg(Control->mapTo(Control->window(), QPoint(0, 0)).y());
}

bool TakesTab(const QWidget* Control) {
  return (Control->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !Control->focusProxy();
}

QRect InWindow(const QWidget* Control) {
  return QRect(Control->mapTo(Control->window(), QPoint(0, 0)), Control->size());
}

// An unchecked radio button beside a checked one: Tab stops at the checked
// one, the arrow keys go on to the others.
bool ArrowKeysReach(QWidget* Control) {
  auto* Radio = qobject_cast<QRadioButton*>(Control);
  if (!Radio || Radio->isChecked() || !Radio->autoExclusive()) return false;
  for (QRadioButton* Other : Radio->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
    if (Other->isChecked()) return true;
  return false;
}

class KeyboardAccessTest : public MainFormTest {
 protected:
  // A trip with an entry in every list, and the first entry of each selected,
  // so that the editors beside the lists are enabled.
  void OpenFilledTrip() {
    OpenWithTrips({"Granite Lakes", "Coast"});
    TTravelerData& Data = Store();
    const QDate Today = QDate::currentDate();
    Data.AddNote(0, {"Trailhead 8:00", "Bring permits"}, Today.day(), Today.month(), Today.year());
    Data.AddGearCategory(0, "Shelter");
    Data.AddGearItem(0, 0, "Tent", "1.2", "300", "Yes", "10", "0.01", "");
    Data.AddShopingCategory(0, "Food");
    Data.AddShopingItem(0, 0, "Oats", "4", "Mart", "0.5", "");
    Data.AddPlan(0, "Shuttle", "Bus at 7");
    Data.AddRecipe(0, "Porridge", "Boil");
    Data.GetRecipe(0, 0).Ingredients = {"Oats", "Water"};
    Data.AddContact(0);
    Data.GetContact(0, 0).Name = "Kim";
    Data.AddPermit(0, "Yosemite");
    Form->RefreshTripPages();
    Form->CalendarPage->FillCalendarNotes();
    Form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
    for (int Page = 0; Page < Form->PageControl1->count(); ++Page) {
      ShowPage(Page);
      for (TCheckListBox* List : PageWidget(Page)->findChildren<TCheckListBox*>())
        if (List->Count() > 0)
          QTest::mouseClick(List->viewport(), Qt::LeftButton, {}, List->visualItemRect(List->item(0)).center());
      for (TCategoryTree* Tree : PageWidget(Page)->findChildren<TCategoryTree*>())
        QTest::mouseClick(Tree->viewport(), Qt::LeftButton, {}, Tree->RowRect({0, 0}).center());
    }
    ShowPage(0);
  }

  void ShowPage(int Page) {
    Form->PageControl1->setCurrentIndex(Page);
    QApplication::processEvents();
  }
  QWidget* PageWidget(int Page) { return Form->PageControl1->widget(Page); }

  // The controls of the shown page that Tab can reach now.
  QList<QWidget*> ReachableControls(int Page) {
    QList<QWidget*> Controls;
    for (QWidget* Control : PageWidget(Page)->findChildren<QWidget*>())
      if (TakesTab(Control) && Control->isVisible() && Control->isEnabled() && !ArrowKeysReach(Control))
        Controls.append(Control);
    return Controls;
  }
};

TEST_F(KeyboardAccessTest, EveryControlHasANameAndNoScrollAreaTakesFocus) {
  OpenFilledTrip();
  for (int Page = 0; Page < Form->PageControl1->count(); ++Page) {
    ShowPage(Page);
    SCOPED_TRACE(Form->PageControl1->tabText(Page).toStdString());
    int Checked = 0;
    for (QWidget* Control : Form->findChildren<QWidget*>()) {
      if (!Control->isVisible() || Control->window() != Form.get()) continue;
      if (Control->focusPolicy() == Qt::NoFocus && !qobject_cast<QAbstractButton*>(Control)) continue;
      ++Checked;
      EXPECT_FALSE(Spoken(Control).isEmpty()) << Describe(Control).toStdString();
    }
    EXPECT_GT(Checked, 10);
    for (QScrollArea* Area : Form->findChildren<QScrollArea*>())
      EXPECT_EQ(Area->focusPolicy(), Qt::NoFocus) << Describe(Area).toStdString();
    EXPECT_EQ(Form->PageControl1->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(Form->PageControl1->tabBar()->focusPolicy(), Qt::TabFocus);
  }
}

TEST_F(KeyboardAccessTest, NamesAreTheProgramsOwnWords) {
  OpenFilledTrip();
  EXPECT_EQ(Spoken(Form->SpeedButtons[TMainForm::PermitsPageIndex]), "Permits Manager");
  EXPECT_EQ(Spoken(Form->SpeedButtons[TMainForm::PermitsPageIndex], QAccessible::Description), "Permits Manager");
  // A selector's spoken name is its entry; its label is related to it.
  for (auto [Box, Label] : {std::pair{Form->ComboBox1, "Trip Plans"}, std::pair{Form->ComboBox2, "Show Weight In"},
                            std::pair{Form->ComboBox3, "Show Volume In"}}) {
    EXPECT_EQ(Box->accessibleName(), Label);
    QStringList Labels;
    for (const auto& [Related, Relation] :
         QAccessible::queryAccessibleInterface(Box)->relations(QAccessible::Label))
      Labels.append(Related->text(QAccessible::Name));
    EXPECT_EQ(Labels.size(), 1) << Labels.join("|").toStdString();
  }
  QWidget* Calculator = nullptr;
  for (QWidget* Control : PageWidget(TMainForm::CalculatorPageIndex)->findChildren<QWidget*>())
    if (QString(Control->metaObject()->className()) == "TfrmCalc") Calculator = Control;
  ASSERT_NE(Calculator, nullptr);
  EXPECT_EQ(Spoken(Calculator), "Calculator");

  // The gear tree is named by its page; its entries are read with their text.
  TCategoryTree* Tree = PageWidget(TMainForm::GearPageIndex)->findChild<TCategoryTree*>();
  EXPECT_EQ(Spoken(Tree), "Gear");
  QAccessibleInterface* TreeAccess = QAccessible::queryAccessibleInterface(Tree);
  QStringList Entries;
  std::function<void(QAccessibleInterface*)> Walk = [&](QAccessibleInterface* Node) {
    for (int i = 0; i < Node->childCount(); ++i) {
      QAccessibleInterface* Child = Node->child(i);
      if (Child->role() == QAccessible::TreeItem || Child->role() == QAccessible::ListItem)
        Entries.append(Child->text(QAccessible::Name));
      Walk(Child);
    }
  };
  Walk(TreeAccess);
  EXPECT_TRUE(Entries.contains("Shelter")) << Entries.join("|").toStdString();
  EXPECT_TRUE(Entries.contains("Tent")) << Entries.join("|").toStdString();

  // A value cell is read with its key, empty or not.
  auto* Grid = PageWidget(TMainForm::GearPageIndex)->findChild<TValueListEditor*>();
  EXPECT_EQ(Spoken(Grid), "Equipment");
  EXPECT_EQ(Grid->item(0, 1)->data(Qt::AccessibleTextRole).toString(), "Name: Tent");
  EXPECT_EQ(Grid->item(6, 1)->data(Qt::AccessibleTextRole).toString(), "Other: ");

  // The month grid: named by its page, the selected day and its lines described.
  TMonthGrid* Month = Form->CalendarPage->StringGrid1;
  EXPECT_EQ(Spoken(Month), "Calendar");
  const QDate Today = QDate::currentDate();
  Month->SetDay(Today.day());
  const QString Described = Spoken(Month, QAccessible::Description);
  EXPECT_TRUE(Described.startsWith(QLocale::c().dayName(Today.dayOfWeek()) + ", " + QString::number(Today.day())))
      << Described.toStdString();
  EXPECT_TRUE(Described.endsWith(": Trailhead 8:00; Bring permits")) << Described.toStdString();
  if (Today.day() > 1) {
    Month->SetDay(Today.day() - 1);
    EXPECT_FALSE(Spoken(Month, QAccessible::Description).contains("Trailhead"));
  }
}

TEST_F(KeyboardAccessTest, TabVisitsEveryPageInReadingOrderAndComesBack) {
  OpenFilledTrip();
  for (int Page = 0; Page < Form->PageControl1->count(); ++Page) {
    ShowPage(Page);
    SCOPED_TRACE(Form->PageControl1->tabText(Page).toStdString());
    const QList<QWidget*> Controls = ReachableControls(Page);
    ASSERT_FALSE(Controls.isEmpty());
    // The first control: the topmost, then the leftmost.
    QWidget* First = *std::min_element(Controls.begin(), Controls.end(), [](QWidget* A, QWidget* B) {
      const QRect RA = InWindow(A), RB = InWindow(B);
      return RA.top() != RB.top() ? RA.top() < RB.top() : RA.left() < RB.left();
    });
    First->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), First);
    QList<QWidget*> Visited{First};
    bool CameBack = false;
    for (int Step = 0; Step < 400 && !CameBack; ++Step) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QWidget* Now = QApplication::focusWidget();
      ASSERT_NE(Now, nullptr);
      if (Now == First) CameBack = true;
      else if (PageWidget(Page)->isAncestorOf(Now)) Visited.append(Now);
    }
    EXPECT_TRUE(CameBack);
    // Every control once.
    EXPECT_EQ(Visited.size(), Controls.size());
    for (QWidget* Control : Controls) EXPECT_EQ(Visited.count(Control), 1) << Describe(Control).toStdString();
    // Reading order: each next control lies below the one before or in a
    // column to its right (or inside it), never back up to the left.
    for (qsizetype i = 1; i < Visited.size(); ++i) {
      const QRect Before = InWindow(Visited[i - 1]), After = InWindow(Visited[i]);
      const bool Below = After.top() >= Before.bottom() - 2;
      const bool Right = After.left() >= Before.right() - 2;
      const bool Within = Before.contains(After);  // a window's own keys after the window
      EXPECT_TRUE(Below || Right || Within) << Describe(Visited[i - 1]).toStdString() << " -> "
                                  << Describe(Visited[i]).toStdString();
    }
  }
}

TEST_F(KeyboardAccessTest, PagesSwitchFromAnywhereInTheWindow) {
  OpenFilledTrip();
  struct TCase {
    QWidget* From;
    QKeyCombination Keys;
    int Start, Expected;
  };
  QWidget* Gear = PageWidget(TMainForm::GearPageIndex)->findChild<TCategoryTree*>();
  const TCase Cases[] = {
      {Form->ComboBox1, Qt::CTRL | Qt::Key_Tab, 0, 1},
      {Form->ComboBox2, Qt::CTRL | Qt::SHIFT | Qt::Key_Tab, 1, 0},
      {Form->ComboBox3, Qt::CTRL | Qt::Key_PageDown, 10, 0},
      {Form->Button1, Qt::CTRL | Qt::Key_PageUp, 0, 10},
      {Form->SpeedButtons[0], Qt::ALT | Qt::Key_1, 5, 0},
      {Form->ComboBox1, Qt::ALT | Qt::Key_9, 0, 8},
      {Form->ComboBox1, Qt::ALT | Qt::Key_0, 0, 9},
      {Gear, Qt::CTRL | Qt::Key_Tab, 1, 2},
  };
  for (const TCase& Case : Cases) {
    ShowPage(Case.Start);
    Case.From->setFocus();
    QTest::keyClick(Case.From, Case.Keys.key(), Case.Keys.keyboardModifiers());
    EXPECT_EQ(Form->PageControl1->currentIndex(), Case.Expected)
        << Describe(Case.From).toStdString() << " " << QKeySequence(Case.Keys).toString().toStdString();
  }
  // From a control of the page the focus goes along to the page shown.
  EXPECT_TRUE(PageWidget(TMainForm::LogisticsPageIndex)->isAncestorOf(QApplication::focusWidget()));
  // Also to the Go Shopping! page, whose controls are made when it is first shown.
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
  ASSERT_EQ(Form->PageControl1->currentIndex(), TMainForm::GoShoppingPageIndex);
  EXPECT_NE(qobject_cast<QPushButton*>(QApplication::focusWidget()), nullptr);
  // The trip selector's mnemonic.
  Form->Button2->setFocus();
  QTest::keyClick(Form->Button2, Qt::Key_T, Qt::AltModifier);
  EXPECT_EQ(QApplication::focusWidget(), Form->ComboBox1);
  EXPECT_TRUE(Prompts.Shown.empty()) << Prompts.All().join("\n").toStdString();
}

TEST_F(KeyboardAccessTest, CalculatorKeysTakeTabAndTypingStillCalculates) {
  OpenFilledTrip();
  QTest::keyClick(Form.get(), Qt::Key_4, Qt::AltModifier);
  auto* Calculator = PageWidget(TMainForm::CalculatorPageIndex)->findChild<TfrmCalc*>();
  ASSERT_NE(Calculator, nullptr);
  ASSERT_EQ(QApplication::focusWidget(), Calculator);
  QTest::keyClick(Calculator, Qt::Key_Tab);
  auto* Key = qobject_cast<QToolButton*>(QApplication::focusWidget());
  ASSERT_NE(Key, nullptr);
  EXPECT_EQ(Key->text(), "7");
  QTest::keyClick(Key, Qt::Key_Space);  // presses "7"
  QTest::keyClicks(Key, "2");           // typed on the key: still the calculator's
  EXPECT_EQ(Calculator->Memo1->toPlainText(), "72");
}

TEST(NoteDialogKeys, TabLeavesTheMemoAndCtrlTabTypesATab) {
  TfrmInput Dialog;
  QStringList Result;
  QTimer::singleShot(0, &Dialog, [&Dialog] {
    QTest::keyClicks(Dialog.Memo1, "a");
    QTest::keyClick(Dialog.Memo1, Qt::Key_Tab, Qt::ControlModifier);
    QTest::keyClicks(Dialog.Memo1, "b");
    QTest::keyClick(Dialog.Memo1, Qt::Key_Tab);
    EXPECT_EQ(Dialog.focusWidget(), Dialog.Button1);
    QTest::keyClick(Dialog.Button1, Qt::Key_Tab);
    EXPECT_EQ(Dialog.focusWidget(), Dialog.Button2);
    QTest::keyClick(Dialog.Button2, Qt::Key_Tab, Qt::ShiftModifier);
    QTest::keyClick(Dialog.Button1, Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(Dialog.focusWidget(), Dialog.Memo1);
    Dialog.Button1->click();
  });
  Result = Dialog.EditNote({});
  EXPECT_EQ(Result, QStringList{"a\tb"});
}

// Luminance contrast of two colours, 1 (none) to 21.
double Contrast(const QColor& A, const QColor& B) {
  const auto Luminance = [](const QColor& C) {
    const auto Channel = [](double V) { return V <= 0.03928 ? V / 12.92 : std::pow((V + 0.055) / 1.055, 2.4); };
    return 0.2126 * Channel(C.redF()) + 0.7152 * Channel(C.greenF()) + 0.0722 * Channel(C.blueF());
  };
  const double L1 = Luminance(A), L2 = Luminance(B);
  return (std::max(L1, L2) + 0.05) / (std::min(L1, L2) + 0.05);
}

// The colour a widget's background shows: its own where it fills it, else
// that of the nearest ancestor that does.
QColor BackgroundOf(const QWidget* Control) {
  for (const QWidget* Up = Control; Up; Up = Up->parentWidget())
    if (Up->autoFillBackground() || Up->isWindow()) return Up->palette().color(QPalette::Window);
  return Control->palette().color(QPalette::Window);
}


TEST_F(KeyboardAccessTest, EveryTextIsReadableInADarkPalette) {
  QStyle* Before = QApplication::style();
  const QString StyleName = Before->name();
  const QPalette PaletteBefore = QApplication::palette();
  QApplication::setStyle(QStyleFactory::create("Fusion"));
  QApplication::setPalette(DarkPalette());
  OpenFilledTrip();
  for (int Page = 0; Page < Form->PageControl1->count(); ++Page) {
    ShowPage(Page);
    SCOPED_TRACE(Form->PageControl1->tabText(Page).toStdString());
    for (QWidget* Control : Form->findChildren<QWidget*>()) {
      if (!Control->isVisible() || Control->window() != Form.get()) continue;
      const QPalette& P = Control->palette();
      double Seen = 21;
      if (qobject_cast<QLabel*>(Control) || qobject_cast<QCheckBox*>(Control) ||
          qobject_cast<QRadioButton*>(Control))
        Seen = Contrast(P.color(QPalette::WindowText), BackgroundOf(Control));
      else if (qobject_cast<QGroupBox*>(Control))  // the title: text colour on the ground around
        Seen = std::min(Contrast(P.color(QPalette::Text), BackgroundOf(Control)),
                        Contrast(P.color(QPalette::WindowText), BackgroundOf(Control)));
      else if (qobject_cast<QLineEdit*>(Control) || qobject_cast<QAbstractItemView*>(Control))
        Seen = Contrast(P.color(QPalette::Text), P.color(QPalette::Base));
      else if (qobject_cast<QAbstractButton*>(Control) || qobject_cast<QComboBox*>(Control))
        Seen = std::min(Contrast(P.color(QPalette::ButtonText), P.color(QPalette::Button)),
                        Contrast(P.color(QPalette::Text), P.color(QPalette::Base)));
      EXPECT_GE(Seen, 4.5) << Describe(Control).toStdString();
    }
  }
  Form.reset();
  QApplication::setPalette(PaletteBefore);
  QApplication::setStyle(StyleName);
}

}  // namespace
