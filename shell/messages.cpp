#include "shell/messages.h"

#include <cstdio>

namespace {
class StderrSink : public MessageSink {
 public:
  void ShowMessage(const QString& text) override {
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
  }
};

StderrSink fallback;
MessageSink* current = &fallback;
}  // namespace

void SetMessageSink(MessageSink* sink) { current = sink ? sink : &fallback; }

MessageSink* CurrentMessageSink() { return current; }

void ShowMessage(const QString& text) { current->ShowMessage(text); }
