#pragma once
// Start-up of the program: fonts, messages, program folder, the menu window.

class Form1;
class QApplication;

// Prepares the application and shows the menu, which the caller's event loop runs.
Form1* StartProgram(QApplication& app);
