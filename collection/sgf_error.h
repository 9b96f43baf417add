#pragma once
// Why a text could not be read as SGF: the line and the fault, in English for
// the collection builder's messages (the program words its own messages from
// the kind of fault).

#include <QString>
#include <stdexcept>

enum class SgfFault {
  kSyntax,             // damaged text, or trees nested deeper than any real record
  kTooManyProperties,  // one node with more distinct properties than the limit
  kTooManyValues,      // more property values in the text than the limit
  kTooManyNodes,       // more nodes in the text than the limit
};

struct SgfError : std::runtime_error {
  explicit SgfError(const QString& message, SgfFault fault = SgfFault::kSyntax)
      : std::runtime_error(message.toStdString()), fault(fault) {}
  // The message as text for printing.
  QString text() const { return QString::fromUtf8(what()); }

  SgfFault fault;
};
