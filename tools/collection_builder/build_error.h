#pragma once
// The one error type of the collection builder: a message meant for the person
// who edits the data (it names the file, the joseki and the reason).

#include <QString>
#include <stdexcept>

struct BuildError : std::runtime_error {
  explicit BuildError(const QString& message) : std::runtime_error(message.toStdString()) {}
  // The message as text for printing.
  QString text() const { return QString::fromUtf8(what()); }
};
