#pragma once

#include <string>

#include "controls/progress_bar.h"
#include "platform/ui/ui.h"
#include "seriallink/device_controls.h"

// The main window's port and speed lists and its transfer frame as the module
// search and the factory reset drive them.

class ComboListControl : public ListControl {
 public:
  explicit ComboListControl(platform::ui::ComboBox& combo) : combo_(combo) {}
  int ListCount() const override { return combo_.ListCount(); }
  std::string List(int index) const override { return combo_.List(index); }
  void SetListIndex(int index) override { combo_.SetListIndex(index); }
  int ListIndex() const override { return combo_.ListIndex(); }
  std::string Text() const override { return combo_.Text(); }

 private:
  platform::ui::ComboBox& combo_;
};

class ProgressBarAdapter : public ProgressBarControl {
 public:
  explicit ProgressBarAdapter(ProgressBar& bar) : bar_(bar) {}
  void SetMax(int value) override { bar_.SetMax(value); }
  void SetMin(int value) override { bar_.SetMin(value); }
  void SetPosition(int value) override { bar_.SetPosition(value); }
  int Position() const override { return bar_.Position(); }

 private:
  ProgressBar& bar_;
};

class LabelAdapter : public LabelControl {
 public:
  explicit LabelAdapter(platform::ui::Label& label) : label_(label) {}
  void SetCaption(const std::string& caption) override { label_.SetCaption(caption); }
  void SetVisible(bool visible) override { label_.SetVisible(visible); }

 private:
  platform::ui::Label& label_;
};

// A device error: the text, a line break and the possible causes, in a critical box.
void ShowDeviceError(const std::string& text);
