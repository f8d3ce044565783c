// The engine's clipboard on Qt's system clipboard.
#pragma once

#include <QClipboard>

#include "engine/clipboard.h"

class QtClipboard final : public lotwheel::Clipboard {
 public:
  explicit QtClipboard(QClipboard::Mode mode = QClipboard::Clipboard);
  void Clear() override;
  void SetText(std::u16string_view text) override;

 private:
  QClipboard::Mode mode_;
};
