#pragma once
// Why a text could not be read as SGF: the line and the fault, in English for
// the collection builder's messages (the program words its own messages).

#include <QString>
#include <stdexcept>

struct SgfError : std::runtime_error {
  explicit SgfError(const QString& message) : std::runtime_error(message.toStdString()) {}
  // The message as text for printing.
  QString text() const { return QString::fromUtf8(what()); }
};
