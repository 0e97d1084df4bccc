// Process set-up shared by the program, its tests and its tools.
#pragma once

class QApplication;

// Before the application object exists: lets the web view run when the
// program runs as root (its sandbox cannot), keeping the sandbox for everyone
// else, and shares OpenGL contexts as the web view requires.
void PrepareApplicationEnvironment();

// Right after the application object exists: the names and title, the resources, the
// regional settings for collation (number text keeps its own rules), the
// fonts that stand in for the window's fonts, the default font, and every
// window fitted to its screen as it is shown.
void ConfigureApplication(QApplication& Application);
