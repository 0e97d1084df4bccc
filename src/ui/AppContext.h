// What the pages share: the store, the prompts, the selected trip, the
// display units and the whole-window refresh. The main window sets it up;
// tests may set it up around a single page.
#pragma once

#include <exception>
#include <functional>
#include <utility>

#include "gear/core/FigureText.h"
#include "store/Traveler.h"
#include "ui/Prompts.h"
#include "ui/StartupConfig.h"

// The "Import" and "Export" buttons of the Gear and Recipes pages.
enum class TSectionExchange { ImportGear, ExportGear, ImportRecipes, ExportRecipes };

class TAppContext {
 public:
  TAppContext(TTravelerData& Store, IPrompts& Prompts) : Store(Store), Prompts(Prompts) {}

  TTravelerData& Store;
  IPrompts& Prompts;

  // The selected trip: the trip selector's item index, -1 when none.
  int Trip() const { return FSelectedTrip ? FSelectedTrip() : -1; }
  bool HasTrips() const { return Store.TripCount() > 0; }

  // The display units: item indices of the weight and volume selectors.
  int WeightUnit() const { return FWeightUnit ? FWeightUnit() : 1; }
  int VolumeUnit() const { return FVolumeUnit ? FVolumeUnit() : 3; }

  // The user's regional number settings, used by every editor at its edge.
  const TNumberSettings& NumberSettings() const { return FNumberSettings; }
  void SetNumberSettings(TNumberSettings Settings) { FNumberSettings = std::move(Settings); }
  char DecimalSeparator() const { return FNumberSettings.DecimalSeparator; }
  void SetDecimalSeparator(char Separator) { FNumberSettings.DecimalSeparator = Separator; }

  // The index of the page shown by the main window's tab pages.
  int ActivePage() const { return FActivePage ? FActivePage() : -1; }

  // The whole-window refresh: every page shows the selected trip again.
  void RefreshTripPages() const {
    if (FRefresh) FRefresh();
  }

  // Takes the values still being typed into the editors (grid cells) into
  // the store, as leaving them would; run before anything reads or replaces
  // what the pages show.
  void CommitPendingEdits() const {
    if (FCommitPendingEdits) FCommitPendingEdits();
  }

  // The exchange file of one section, read or written by the main window.
  void ExchangeSection(TSectionExchange Command) const {
    if (FExchangeSection) FExchangeSection(Command);
  }

  TStartupConfig Config;

  // Runs an event handler's work: a failure that escapes it is shown in the
  // standard error box and the program goes on.
  template <class Work>
  void Guarded(Work&& Handler) const {
    try {
      std::forward<Work>(Handler)();
    } catch (const std::exception& Failure) {
      ShowStandardError(Prompts, Failure);
    }
  }

  // Set by the owner of the trip selector, the unit selectors and the pages.
  void SetSelectedTripSource(std::function<int()> Source) { FSelectedTrip = std::move(Source); }
  void SetUnitSources(std::function<int()> Weight, std::function<int()> Volume) {
    FWeightUnit = std::move(Weight);
    FVolumeUnit = std::move(Volume);
  }
  void SetActivePageSource(std::function<int()> Source) { FActivePage = std::move(Source); }
  void SetRefresh(std::function<void()> Refresh) { FRefresh = std::move(Refresh); }
  void SetCommitPendingEdits(std::function<void()> Commit) { FCommitPendingEdits = std::move(Commit); }
  void SetSectionExchange(std::function<void(TSectionExchange)> Handler) { FExchangeSection = std::move(Handler); }

 private:
  std::function<int()> FSelectedTrip;
  std::function<int()> FWeightUnit;
  std::function<int()> FVolumeUnit;
  std::function<int()> FActivePage;
  std::function<void()> FRefresh;
  std::function<void()> FCommitPendingEdits;
  std::function<void(TSectionExchange)> FExchangeSection;
  TNumberSettings FNumberSettings;
};
