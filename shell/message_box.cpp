#include "shell/message_box.h"

#include <QApplication>
#include <QMessageBox>

void MessageBoxSink::ShowMessage(const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text,
                  QMessageBox::Ok, QApplication::activeWindow());
  box.exec();
}
