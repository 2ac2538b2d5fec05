#pragma once

#include <QFont>
#include <QPoint>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class QWidget;

// The tool record of a tip window: one tool, the window the tip belongs to.
struct ToolInfo {
  int cbSize = 0;
  int uFlags = 0;
  QWidget* hwnd = nullptr;
  QWidget* uId = nullptr;
  int rect[4] = {0, 0, 0, 0};
  std::string lpszText;  // Windows-1252
  std::intptr_t lParam = 0;
};

namespace ttf {
inline constexpr int IdIsHwnd = 0x1;
inline constexpr int CenterTip = 0x2;
inline constexpr int Subclass = 0x10;
inline constexpr int Track = 0x20;
inline constexpr int Transparent = 0x100;
}  // namespace ttf

inline constexpr int TTS_BALLOON = 0x40;
inline constexpr int TTDT_AUTOPOP = 2;
inline constexpr int TTDT_INITIAL = 3;

// A tool-tip window. Destroying the object destroys the window.
class TipWindow {
 public:
  virtual ~TipWindow() = default;
  virtual void Activate(bool active) = 0;
  virtual void SetDelayTime(int which, int milliseconds) = 0;
  virtual void AddTool(const ToolInfo& tool) = 0;
  virtual void UpdateTipText(const ToolInfo& tool) = 0;
  virtual void TrackActivate(bool active, const ToolInfo& tool) = 0;
  // Screen position packed as y * 65536 + x.
  virtual void TrackPosition(std::int32_t packedPosition) = 0;
  virtual void SetTipBkColor(std::int32_t color) = 0;
  virtual void SetTipTextColor(std::int32_t color) = 0;
  virtual void SetTitle(int icon, const std::string& title) = 0;
  virtual void SetFont(const QFont& font, bool redraw) = 0;
};

// Makes a tip window with the given style bits owned by `owner`; nullptr when it fails.
using TipWindowFactory = std::function<std::unique_ptr<TipWindow>(int style, QWidget* owner)>;

// Tip windows drawn by Qt: a title with its icon over the text, shown after the
// initial delay and hidden after the visible time. A tracking tool's tip stands at the
// tracked position; any other tool's tip shows beside the mouse pointer. Both stay on
// the screen, and a tip beside the pointer never covers it.
std::unique_ptr<TipWindow> CreateQtTipWindow(int style, QWidget* owner);
