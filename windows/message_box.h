#pragma once
// Messages shown as modal boxes with an OK button and no icon.

#include "model/messages.h"

class MessageBoxSink : public MessageSink {
 public:
  void ShowMessage(const QString& text) override;
};
