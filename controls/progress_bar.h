#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "controls/progress_window.h"
#include "platform/ui/control.h"

// Design properties as the holding window stores them.
using PropertyStore = std::map<std::string, std::int32_t>;

// A progress bar control: a container that holds one bar window and keeps every
// property, so that it can rebuild the bar when Orientation or Smooth change. The
// holder calls InitProperties (a new control) or ReadProperties (a stored one) once.
class ProgressBar : public platform::ui::Control {
 public:
  ProgressBar(platform::ui::Container& parent, std::string name, int index = -1,
              ProgressWindowFactory factory = CreateQtProgressWindow);
  ~ProgressBar() override;

  std::int32_t Orientation() const { return Orientation_; }
  void SetOrientation(std::int32_t eOrientation);
  std::int32_t Min() const { return Min_; }
  void SetMin(std::int32_t lMin);
  std::int32_t Max() const { return Max_; }
  void SetMax(std::int32_t lMax);
  bool Smooth() const { return Smooth_; }
  void SetSmooth(bool bSmooth);
  // The bar window; nullptr when there is none.
  const ProgressWindow* hwnd() const { return bar_.get(); }
  std::int32_t BorderStyle() const { return BorderStyle_; }
  void SetBorderStyle(std::int32_t eBorderStyle);
  std::int32_t BackColor() const { return BackColor_; }
  void SetBackColor(std::int32_t oNewBackColor);
  std::int32_t ForeColor() const { return ForeColor_; }
  void SetForeColor(std::int32_t oNewForeColor);
  std::int32_t Position() const { return Position_; }
  void SetPosition(std::int32_t LPos);
  std::int32_t Step() const { return Step_; }
  void SetStep(std::int32_t lStep);
  // False, with Position unchanged, when the step would leave the 32-bit range.
  bool StepIt();

  void InitProperties(std::int32_t ambientBackColor);
  void ReadProperties(const PropertyStore& store);
  void WriteProperties(PropertyStore& store) const;

  // The window's extended style bits (WS_EX_CLIENTEDGE).
  std::int32_t ControlExStyle() const { return controlExStyle_; }

  // Called with the property's name after every change, so that the holder stores it.
  std::function<void(const std::string&)> PropertyChanged;

 private:
  void ApplyRange();
  static void TranslateColor(std::int32_t oClr, std::int32_t& lColorRef);
  void CreateProgressWindow();
  void DestroyProgressWindow();
  void RecreateProgressWindow();
  void MarkChanged(const char* property);
  void ApplyControlExStyle();
  // Fits the bar to the space inside the control's edge.
  void FitBar();

  ProgressWindowFactory factory_;
  std::unique_ptr<ProgressWindow> bar_;
  std::int32_t BackColor_ = 0;
  std::int32_t ForeColor_ = platform::vbHighlight;
  bool Smooth_ = false;
  std::int32_t Orientation_ = 0;
  std::int32_t BorderStyle_ = 0;
  std::int32_t Position_ = 0;
  std::int32_t Min_ = 1;
  std::int32_t Max_ = 100;
  std::int32_t Step_ = 1;
  std::int32_t controlExStyle_ = 0;
};
