#pragma once
// Start-up of the program: style, fonts, the menu window.

class MenuWindow;
class MessageSink;
class QApplication;

// Prepares the application and shows the menu, which the caller's event loop
// runs; the program's files are found beside the executable.
MenuWindow* StartProgram(QApplication& app, MessageSink& messages);
