// Store text for files and terminals that expect UTF-8. Plain C++.
#pragma once

#include <string>

// Appends the UTF-8 bytes of the character Code.
void AppendUtf8(std::string& Out, char32_t Code);

// Text as UTF-8: valid UTF-8 stays as it is, any other text is read as
// Windows-1252, as the planner shows it.
std::string Utf8OfStoreText(const std::string& Text);
