#pragma once

#include <cstdint>
#include <functional>
#include <memory>

class QWidget;

inline constexpr int PBS_SMOOTH = 0x1;
inline constexpr int PBS_VERTICAL = 0x4;
inline constexpr int WS_EX_CLIENTEDGE = 0x200;
inline constexpr int WS_EX_STATICEDGE = 0x20000;

// The bar window inside a progress bar control. Destroying the object hides and
// destroys the window.
class ProgressWindow {
 public:
  virtual ~ProgressWindow() = default;
  virtual void SetPos(std::int32_t position) = 0;
  virtual void SetStep(std::int32_t step) = 0;
  virtual void StepIt() = 0;
  virtual void SetRange32(std::int32_t low, std::int32_t high) = 0;
  virtual void GetRange(std::int32_t& low, std::int32_t& high) const = 0;
  // The 16-bit range message: low in the low word, high in the high word.
  virtual void SetRange(std::int32_t packed) = 0;
  virtual void SetBkColor(std::int32_t colorRef) = 0;   // -1: none given
  virtual void SetBarColor(std::int32_t colorRef) = 0;  // -1: none given
  virtual std::int32_t ExStyle() const = 0;
  virtual void SetExStyle(std::int32_t exStyle) = 0;  // applied with a frame change
  virtual void Move(int width, int height) = 0;
};

// Makes the bar with style bits (PBS_*) as a child of `parent`, at 0, 0 with the
// given size; nullptr when it fails.
using ProgressWindowFactory = std::function<std::unique_ptr<ProgressWindow>(
    int style, QWidget* parent, int width, int height)>;

// The bar drawn by Qt; a fresh one shows the range 0 to 100.
std::unique_ptr<ProgressWindow> CreateQtProgressWindow(int style, QWidget* parent, int width,
                                                       int height);
