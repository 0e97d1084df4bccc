// A dark colour scheme, as a dark desktop gives it: for trying the window's
// colours (screenshots, the readability test).
#pragma once

#include <QPalette>

QPalette DarkPalette();
