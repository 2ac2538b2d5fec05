#pragma once

#include <string>

// The controls of the main window that the search and the reset drive; the
// window implements them, tests give fakes.

// A combo box's list.
class ListControl {
 public:
  virtual ~ListControl() = default;
  virtual int ListCount() const = 0;
  virtual std::string List(int index) const = 0;
  // Selecting an item runs the list's click handler.
  virtual void SetListIndex(int index) = 0;
  virtual int ListIndex() const = 0;
  virtual std::string Text() const = 0;
};

class ProgressBarControl {
 public:
  virtual ~ProgressBarControl() = default;
  virtual void SetMax(int value) = 0;
  virtual void SetMin(int value) = 0;
  virtual void SetPosition(int value) = 0;
  virtual int Position() const = 0;
};

class LabelControl {
 public:
  virtual ~LabelControl() = default;
  virtual void SetCaption(const std::string& caption) = 0;
  virtual void SetVisible(bool visible) = 0;
};

// The transfer frame of the main window.
struct TransferProgressControls {
  ProgressBarControl& ProgressBar1;
  LabelControl& lblTransfer1;       // what is being sent
  LabelControl& lblTransferStatus;  // percentage
  LabelControl& lblTransferWarn;    // shown while the module is written
};
