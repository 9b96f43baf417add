#pragma once
// Start-up of the program: style, window icon, fonts, the menu window.

class FileChooser;
class MenuWindow;
class MessageSink;
class QApplication;
class QIcon;

// The desktop entry's icon in 48 and 128 pixels, drawn at build time and compiled in.
QIcon ProgramIcon();

// Prepares the application and shows the menu, which the caller's event loop
// runs; the program's files are found beside the executable. A game file
// named on the command line is opened for reading.
MenuWindow* StartProgram(QApplication& app, MessageSink& messages, FileChooser& files);
