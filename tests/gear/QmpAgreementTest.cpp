// qmp and the planner on the same random stores: point and comma texts,
// figures that are not numbers, budgets that are not numbers. Both give the
// same gear weight and budget left, or both name the value that stops them.
#include <QProcess>
#include <random>

#include "BudgetFixture.h"

namespace {

// A stored figure as the program or an older version under a decimal comma
// wrote it, or now and then a text that is no number.
std::string RandomFigure(std::mt19937& Random, bool MayFail) {
  std::uniform_int_distribution<int> Pick(0, 99);
  const int Kind = Pick(Random);
  if (MayFail && Kind < 4) return Kind < 2 ? "abc" : "";
  std::string Text = std::to_string(Pick(Random) * 7 + Pick(Random) % 3);
  if (Kind % 3 != 0) Text += (Kind % 2 ? "." : ",") + std::to_string(Pick(Random));
  return Text;
}

std::string RandomBudget(std::mt19937& Random) {
  const char* const Budgets[] = {"100,5", "2500", "2,500", "2500.75", "about 2000", "", "0", "-3.5"};
  std::uniform_int_distribution<int> Pick(0, 7);
  const int Kind = Pick(Random);
  return Kind < 3 ? RandomFigure(Random, false) : Budgets[Pick(Random)];
}

void BuildRandomTrip(TTravelerData& Store, unsigned Seed) {
  std::mt19937 Random(Seed);
  std::uniform_int_distribution<int> Count(0, 3);
  // One in three stores is built to fail somewhere.
  const bool MayFail = Seed % 3 == 0;
  Store.AppendTrip();
  Store.GetTrip(0).Name = "Random " + std::to_string(Seed);
  for (int Cat = Count(Random); Cat > 0; --Cat) {
    Store.AddGearCategory(0, "Gear " + std::to_string(Cat));
    const int Last = Store.GearCategoryCount(0) - 1;
    for (int Item = Count(Random); Item > 0; --Item)
      Store.AddGearItem(0, Last, "Item " + std::to_string(Item), RandomFigure(Random, MayFail),
                        RandomFigure(Random, MayFail), Item % 2 ? "No" : "Yes", "5", "0", "");
  }
  for (int Cat = Count(Random); Cat > 0; --Cat) {
    Store.AddShopingCategory(0, "Food " + std::to_string(Cat));
    const int Last = Store.ShopingCategoryCount(0) - 1;
    for (int Item = Count(Random); Item > 0; --Item)
      Store.AddShopingItem(0, Last, "Buy " + std::to_string(Item), RandomFigure(Random, MayFail), "Market",
                           RandomFigure(Random, false), "");
  }
  for (int Permit = Count(Random); Permit > 0; --Permit) {
    Store.AddPermit(0, "Park " + std::to_string(Permit));
    Store.GetPermit(0, Store.PermitCount(0) - 1).Cost = RandomFigure(Random, MayFail);
  }
  Store.SetBudget(0, RandomBudget(Random));
}

struct TQmpShow {
  std::map<std::string, std::string> Lines;  // "Gear weight" -> "1.35 kg"
  QString Err;
};

TQmpShow QmpShow() {
  QProcess Qmp;
  Qmp.start(QMP_PROGRAM, {"show", "1"});
  EXPECT_TRUE(Qmp.waitForFinished(30000));
  TQmpShow Result;
  for (const QString& Line : QString::fromUtf8(Qmp.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts)) {
    const int Colon = Line.indexOf(": ");
    Result.Lines[Line.left(Colon).toStdString()] = Line.mid(Colon + 2).toStdString();
  }
  Result.Err = QString::fromUtf8(Qmp.readAllStandardError());
  EXPECT_EQ(Qmp.exitCode(), Result.Err.isEmpty() ? 0 : 1) << Result.Err.toStdString();
  return Result;
}

// The planner's figure in a box, or the message that named what stopped it.
QString PlannerFigure(QLineEdit* Box, TScriptedPrompts& Prompts) {
  const QStringList Errors = Prompts.Texts("error");
  if (!Errors.isEmpty()) return Errors.join("\n");
  return Box->text();
}

TEST_F(BudgetPageTest, QmpAndThePlannerFindTheSameFiguresOnRandomStores) {
  for (unsigned Seed = 1; Seed <= 60; ++Seed) {
    SCOPED_TRACE("seed " + std::to_string(Seed));
    OpenWith([Seed](TTravelerData& Store) { BuildRandomTrip(Store, Seed); });
    // Half of the runs type in a decimal-comma setting.
    if (Seed % 2 == 0) {
      Form->Context().SetNumberSettings({',', "."});
      Form->RefreshTripPages();
    }
    const char Separator = Form->Context().DecimalSeparator();
    const TQmpShow Qmp = QmpShow();
    const auto AsQmpWrites = [Separator](QString Text) { return Text.replace(Separator, '.').toStdString(); };

    ShowPage(TMainForm::GearPageIndex);
    Prompts.Clear();
    Gear().DKButton1->click();
    QString Weight = PlannerFigure(Gear().Edit4, Prompts);
    if (Prompts.Texts("error").isEmpty()) {
      EXPECT_EQ(Qmp.Lines.count("Gear weight"), 1u);
      EXPECT_EQ(Qmp.Lines.count("Gear weight") ? Qmp.Lines.at("Gear weight") : "", AsQmpWrites(Weight) + " kg");
    } else {
      EXPECT_EQ(Qmp.Lines.count("Gear weight"), 0u);
      // The same value is named: "'abc' is not a valid floating point value."
      Weight.chop(1);
      EXPECT_TRUE(Qmp.Err.contains(Weight)) << Qmp.Err.toStdString() << " / " << Weight.toStdString();
    }

    ShowPage(TMainForm::BudgetPageIndex);
    Prompts.Clear();
    Budget().Button32->click();
    const QString Left = PlannerFigure(Budget().Edit22, Prompts);
    if (Prompts.Texts("error").isEmpty()) {
      EXPECT_EQ(Qmp.Lines.count("Budget left") ? Qmp.Lines.at("Budget left") : "none", AsQmpWrites(Left))
          << "budget " << Store().GetBudget(0);
    } else {
      EXPECT_EQ(Qmp.Lines.count("Budget left"), 0u) << Left.toStdString();
      EXPECT_TRUE(Qmp.Err.contains(Left)) << Qmp.Err.toStdString() << " / " << Left.toStdString();
    }
    ASSERT_TRUE(CloseForm());
    Form.reset();
  }
}

}  // namespace
