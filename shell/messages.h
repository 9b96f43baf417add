#pragma once
// Messages to the user: a modal box with a fixed Japanese text and an OK
// button. Everything goes through one sink so tests can record instead.

#include <QString>
#include <QStringList>

class MessageSink {
 public:
  virtual ~MessageSink() = default;
  // Shows text and returns when the user has closed it.
  virtual void ShowMessage(const QString& text) = 0;
};

// Installs the sink (not owned); nullptr restores the default, which writes to stderr.
void SetMessageSink(MessageSink* sink);
MessageSink* CurrentMessageSink();
void ShowMessage(const QString& text);

// Keeps every message shown, for tests.
class MessageRecorder : public MessageSink {
 public:
  void ShowMessage(const QString& text) override { messages.append(text); }
  QStringList messages;
};

// Installs a recorder for the lifetime of the object.
class ScopedMessageRecorder : public MessageRecorder {
 public:
  ScopedMessageRecorder() { SetMessageSink(this); }
  ~ScopedMessageRecorder() override { SetMessageSink(nullptr); }
};
