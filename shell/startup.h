#pragma once
// Start-up of the program: window icon, fonts, messages, program folder, the menu window.

class Form1;
class QApplication;
class QIcon;

// The desktop entry's icon in 48 and 128 pixels, drawn at build time and compiled in.
QIcon ProgramIcon();

// Prepares the application and shows the menu, which the caller's event loop runs.
Form1* StartProgram(QApplication& app);
