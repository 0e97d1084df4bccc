#include "ui/Fonts.h"

#include <QFont>
#include <QStringList>

void RegisterFontSubstitutes() {
  QFont::insertSubstitutions("Comic Sans MS", QStringList{"Comic Neue", "Comic Sans", "DejaVu Sans"});
  QFont::insertSubstitutions("MS Sans Serif", QStringList{"DejaVu Sans", "Liberation Sans"});
  QFont::insertSubstitutions("Courier New", QStringList{"Liberation Mono", "DejaVu Sans Mono"});
}
