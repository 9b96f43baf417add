#pragma once
// Globals that live for the whole run: the chosen section and the help text.

#include <QString>

namespace Module1 {
// Section chosen in the menu, 1..7; 0 until a section button is pressed.
inline int SectionCode = 0;
// The whole help file, read as the help window opens; empty when it could not be read.
inline QString HelpText;
// Why the help file could not be read (names the file); empty when it was read.
inline QString HelpFileError;
}  // namespace Module1
