#include "app/PlannerSettings.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QSettings>
#include <QTabWidget>

#include "app/MainUnit.h"
#include "gear/BudgetPage.h"
#include "startup/ProgramInfo.h"
#include "store/Traveler.h"
#include "ui/StoreText.h"

namespace {
const QString WeightUnitKey = "units/weight";
const QString VolumeUnitKey = "units/volume";
const QString TargetWeightKey = "budget/targetKilograms";
const QString WindowPositionKey = "window/position";
const QString WindowSizeKey = "window/size";
const QString WindowMaximizedKey = "window/maximized";
const QString TripPositionKey = "selection/tripPosition";
const QString TripNameKey = "selection/tripName";
const QString PageKey = "selection/page";

// An index kept in Key, when it is a position of Box; whether Box changed.
bool RestoreIndex(const QSettings& Settings, const QString& Key, QComboBox& Box) {
  bool Valid = false;
  const int Index = Settings.value(Key).toInt(&Valid);
  if (!Valid || Index < 0 || Index >= Box.count() || Index == Box.currentIndex()) return false;
  Box.setCurrentIndex(Index);
  return true;
}

bool FitsOnAScreen(const QRect& Frame) {
  for (const QScreen* Screen : QGuiApplication::screens())
    if (Screen->availableGeometry().contains(Frame)) return true;
  return false;
}
}  // namespace

TPlannerSettings::TPlannerSettings()
    : FSettings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, ProgramDataName,
                                            ProgramDataName)) {}

TPlannerSettings::~TPlannerSettings() = default;

void TPlannerSettings::Reset() {
  FSettings->clear();
  FSettings->sync();
}

void TPlannerSettings::Restore(TMainForm& Form) {
  const QSettings& Settings = *FSettings;
  const bool WeightUnitChanged = RestoreIndex(Settings, WeightUnitKey, *Form.ComboBox2);
  const bool VolumeUnitChanged = RestoreIndex(Settings, VolumeUnitKey, *Form.ComboBox3);
  bool Valid = false;
  const double Target = Settings.value(TargetWeightKey).toDouble(&Valid);
  if (Valid && Target >= 0) Form.BudgetPage->SetTargetWeight(Target);
  // The pages show the units now chosen, and start as after any start: the
  // item editors reset, showing no item (a unit change shows the current one).
  if (WeightUnitChanged || VolumeUnitChanged) {
    Form.ComboBox2Change();
    Form.ComboBox3Change();
    Form.RefreshTripPages();
  }

  const QPoint Position = Settings.value(WindowPositionKey).toPoint();
  const QSize Size = Settings.value(WindowSizeKey).toSize();
  if (Size.isValid() && Settings.contains(WindowPositionKey) &&
      FitsOnAScreen(QRect(Position, Size + TMainForm::WindowFrameAllowance))) {
    Form.resize(Size);
    Form.move(Position);
  }
  if (Settings.value(WindowMaximizedKey, false).toBool()) Form.setWindowState(Form.windowState() | Qt::WindowMaximized);

  TTravelerData& Store = Form.TripData();
  const int Trip = Settings.value(TripPositionKey, -1).toInt();
  if (Trip >= 0 && Trip < Store.TripCount() && Trip != Form.ComboBox1->currentIndex() &&
      FromStore(Store.GetTrip(Trip).Name) == Settings.value(TripNameKey).toString()) {
    Form.ComboBox1->setCurrentIndex(Trip);
    Form.RefreshTripPages();
  }
  const int Page = Settings.value(PageKey, -1).toInt();
  if (Store.TripCount() > 0 && Page > 0 && Page < Form.PageControl1->count()) {
    Form.ShowPage(Page);
  }
}

void TPlannerSettings::Save(TMainForm& Form) {
  QSettings& Settings = *FSettings;
  Settings.setValue(WeightUnitKey, Form.ComboBox2->currentIndex());
  Settings.setValue(VolumeUnitKey, Form.ComboBox3->currentIndex());
  Settings.setValue(TargetWeightKey, Form.BudgetPage->TargetWeight());
  // A maximized window keeps the place it had before, to go back to.
  Settings.setValue(WindowMaximizedKey, Form.isMaximized());
  if (!Form.isMaximized()) {
    Settings.setValue(WindowPositionKey, Form.pos());
    Settings.setValue(WindowSizeKey, Form.size());
  }
  const int Trip = Form.ComboBox1->currentIndex();
  Settings.setValue(TripPositionKey, Trip);
  Settings.setValue(TripNameKey, Trip >= 0 && Trip < Form.TripData().TripCount()
                                     ? FromStore(Form.TripData().GetTrip(Trip).Name)
                                     : QString());
  Settings.setValue(PageKey, Form.PageControl1->currentIndex());
  Settings.sync();
}
