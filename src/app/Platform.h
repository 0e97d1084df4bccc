// Process set-up that must happen before the application object exists.
#pragma once

// Lets the web view run when the program runs as root (its sandbox cannot),
// keeping the sandbox for everyone else, and shares OpenGL contexts as the
// web view requires.
void PrepareApplicationEnvironment();
