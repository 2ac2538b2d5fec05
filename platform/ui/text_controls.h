#pragma once

#include <QString>
#include <optional>

#include "platform/ui/control.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace platform::ui {

class Label : public Control {
 public:
  Label(Container& parent, std::string name, int index = -1);
  void SetCaption(const std::string& caption) override;
  std::string Caption() const override;
  void SetAlignment(Alignment alignment);
  void SetWordWrap(bool wrap);
  // A transparent label shows its container through it.
  void SetTransparent(bool transparent);

 private:
  void ApplyColors() override;
  QLabel* label_;
  std::string caption_;
  bool transparent_ = false;
};

// A text box, single line or multi-line. Text set from code is cut to MaxLength. A
// multi-line box gives back the bytes it was set with until the user edits its text.
// Change comes for every new text, Edited only for the user's (Control::Edited).
class TextBox : public Control {
 public:
  TextBox(Container& parent, std::string name, int index = -1, bool multiLine = false);
  void SetCaption(const std::string& caption) override { SetText(caption); }
  std::string Caption() const override { return Text(); }

  std::string Text() const;
  void SetText(const std::string& text);
  int MaxLength() const;  // 0: no limit
  void SetMaxLength(int length);
  int SelStart() const;
  void SetSelStart(int start);
  int SelLength() const;
  void SetSelLength(int length);
  std::string SelText() const;
  bool Locked() const;
  void SetLocked(bool locked);
  void SetAlignment(Alignment alignment);
  bool MultiLine() const { return edit_ != nullptr; }

 private:
  bool CutToMaxLength();  // true when it cut
  // What SetText was given and the document's raw text that it made.
  struct SetBytes {
    std::string bytes;
    QString document;
  };
  QLineEdit* line_ = nullptr;       // single line
  QPlainTextEdit* edit_ = nullptr;  // multi-line
  int maxLength_ = 0;
  bool lineEdited_ = false;          // single line: the user's edit is under way
  std::optional<SetBytes> setText_;  // multi-line, while the text is not cut
};

}  // namespace platform::ui
