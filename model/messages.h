#pragma once
// Messages to the user: a fixed Japanese text the user acknowledges (the
// windows show a modal box with an OK button).

#include <QString>

class MessageSink {
 public:
  virtual ~MessageSink() = default;
  // Shows text and returns when the user has closed it.
  virtual void ShowMessage(const QString& text) = 0;
};
