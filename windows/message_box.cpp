#include "windows/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

void MessageBoxSink::ShowMessage(const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text,
                  QMessageBox::Ok, QApplication::activeWindow());
  box.button(QMessageBox::Ok)->setIcon(QIcon());
  box.exec();
}
