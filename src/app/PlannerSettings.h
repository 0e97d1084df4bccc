// The planner's settings kept between runs in the user's configuration
// folder (QSettings, XDG: ~/.config/quillmoor-planner/): the weight and
// volume units, the target weight, the window's size and position, and the
// selected trip and page. Nothing of this goes into qmp.dat.
#pragma once

#include <memory>

class QSettings;
class TMainForm;

class TPlannerSettings {
 public:
  TPlannerSettings();
  ~TPlannerSettings();

  // Forgets every kept setting: the next restore keeps the defaults.
  void Reset();
  // Applies the kept settings to Form where they still apply: a trip by its
  // position and name, a window only on a screen it fits.
  void Restore(TMainForm& Form);
  // Keeps Form's settings.
  void Save(TMainForm& Form);

 private:
  std::unique_ptr<QSettings> FSettings;
};
