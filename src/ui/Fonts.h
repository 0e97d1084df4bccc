// The window asks for "Comic Sans MS", "MS Sans Serif" and "Courier New";
// these register the fonts that stand in for them on a Linux desktop.
#pragma once

void RegisterFontSubstitutes();
