#pragma once

#include <QPointer>
#include <functional>
#include <string>

#include "platform/colors.h"
#include "platform/ui/cursor.h"
#include "platform/ui/named_item.h"

#include <QWidget>

namespace platform::ui {

class Form;
class ControlEvents;

// Mouse buttons and shift keys as the handlers receive them.
namespace vb {
inline constexpr int LeftButton = 1;
inline constexpr int RightButton = 2;
inline constexpr int MiddleButton = 4;
inline constexpr int ShiftMask = 1;
inline constexpr int CtrlMask = 2;
inline constexpr int AltMask = 4;
inline constexpr int Unchecked = 0;
inline constexpr int Checked = 1;
inline constexpr int Grayed = 2;
// Key codes of KeyDown and KeyUp (and KeyAscii for Return).
inline constexpr int KeyTab = 9;
inline constexpr int KeyReturn = 13;
inline constexpr int KeyShift = 16;
inline constexpr int KeyControl = 17;
inline constexpr int KeyMenu = 18;  // Alt
inline constexpr int KeyEscape = 27;
inline constexpr int KeySpace = 32;
inline constexpr int KeyEnd = 35;
inline constexpr int KeyLeft = 37;
inline constexpr int KeyUp = 38;
inline constexpr int KeyRight = 39;
inline constexpr int KeyDown = 40;
}  // namespace vb

enum class Alignment { Left = 0, Right = 1, Center = 2 };

// Something controls can be placed in: a form, a frame or a picture box.
class Container {
 public:
  virtual ~Container() = default;
  virtual QWidget* ChildArea() = 0;
  virtual Form& ParentForm() = 0;
};

using MouseHandler = std::function<void(int Button, int Shift, float X, float Y)>;
using KeyHandler = std::function<void(int& KeyCode, int Shift)>;

// The part every control shares: name and array index, place, visibility, font,
// colours, pointer and the events. A handler that is not set is not called. Events a
// kind of control does not raise are never called for it.
class Control : public NamedItem {
 public:
  ~Control() override;

  Form& ParentForm() const { return *form_; }

  // Caption or text as the caption table sets it; kinds without one ignore it.
  void SetCaption(const std::string& caption) override;
  std::string Caption() const override;

  int Left() const;
  int Top() const;
  int Width() const;
  int Height() const;
  void Move(int left, int top);
  void Move(int left, int top, int width, int height);
  void SetLeft(int left);
  void SetTop(int top);
  void SetWidth(int width);
  void SetHeight(int height);

  bool Visible() const;
  void SetVisible(bool visible);
  bool Enabled() const;
  void SetEnabled(bool enabled);

  std::string FontName() const;
  void SetFontName(const std::string& name);
  double FontSize() const;  // points
  void SetFontSize(double points);
  bool FontBold() const;
  void SetFontBold(bool bold);

  OleColor ForeColor() const { return foreColor_; }
  void SetForeColor(OleColor color);
  OleColor BackColor() const { return backColor_; }
  void SetBackColor(OleColor color);

  MousePointer Pointer() const { return pointer_; }
  void SetMousePointer(MousePointer pointer);
  const Cursor& MouseIcon() const { return mouseIcon_; }
  void SetMouseIcon(const Cursor& icon);
  // A pointer set while the form showed the hourglass shows once it ends.
  void ShowPendingPointer();

  std::string ToolTipText() const;
  void SetToolTipText(const std::string& text);

  // Place in the window's tab sequence, from 1; setting it moves the control there
  // and shifts the others.
  int TabIndex() const;
  void SetTabIndex(int position);

  void SetFocus();
  bool HasFocus() const;
  void Refresh();
  void ZOrder();  // brings the control in front of its siblings

  QWidget* Widget() const { return widget_; }

  std::function<void()> Click;
  std::function<void()> DblClick;
  std::function<void()> Change;
  // A text box's text changed by the user, whatever made the change: keys, the context
  // menu, the mouse, a drop or an input method; never by the program setting it. It
  // comes after Change, so it sees the text as the Change handler left it.
  std::function<void()> Edited;
  std::function<void()> GotFocus;
  std::function<void()> LostFocus;
  // KeyAscii may be changed (the new character is entered) or set to 0 (swallowed).
  std::function<void(int& KeyAscii)> KeyPress;
  KeyHandler KeyDown;
  KeyHandler KeyUp;
  MouseHandler MouseDown;
  MouseHandler MouseMove;
  MouseHandler MouseUp;

 protected:
  // The control takes ownership of the widget, which becomes a child of the container.
  Control(Container& parent, std::string name, int index, QWidget* widget);
  void RaiseClick();
  void RaiseChange();
  void RaiseEdited();
  // Colours a kind starts with; they are applied only once set from code.
  void InitColors(OleColor fore, OleColor back);
  virtual void ApplyColors();
  // Events of `source` count as the control's; mouse positions are relative to `origin`.
  void ListenTo(QWidget* source, QWidget* origin);
  // Click on a left-button release over the control (kinds without a click signal).
  void ClickOnRelease();
  // Mouse events passed up from child controls are not the control's own.
  void MarkContainer();
  // MouseUp and KeyUp come after the widget has handled the release, so that they see
  // what it changed: the widget hands every release to RaiseRelease afterwards.
  void RaiseReleaseAfterWidget();
  void RaiseRelease(QEvent* event);

 private:
  Form* form_;
  QPointer<QWidget> widget_;
  QPointer<ControlEvents> events_;  // a child of the widget
  OleColor foreColor_ = vbWindowText;
  OleColor backColor_ = vbButtonFace;
  std::string toolTipText_;
  void ShowPointer();

  MousePointer pointer_ = MousePointer::Default;
  Cursor mouseIcon_;
  bool pointerPending_ = false;
};

}  // namespace platform::ui
