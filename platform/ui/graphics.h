#pragma once

#include "platform/ui/control.h"
#include "platform/ui/picture.h"

class QLabel;

namespace platform::ui {

// A picture on the form: Click and mouse events, no focus.
class Image : public Control {
 public:
  Image(Container& parent, std::string name, int index = -1);
  void SetPicture(const Picture& picture);
  const Picture& GetPicture() const { return picture_; }
  void SetStretch(bool stretch);

 private:
  void Show();
  QLabel* label_;
  Picture picture_;
  bool stretch_ = false;
};

// A rectangle outline with an optional fill; lets the mouse through.
class Shape : public Control {
 public:
  Shape(Container& parent, std::string name, int index = -1);
  OleColor BorderColor() const { return borderColor_; }
  void SetBorderColor(OleColor color);
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int width);  // pixels, at least 1
  OleColor FillColor() const { return fillColor_; }
  void SetFillColor(OleColor color);
  bool Filled() const { return filled_; }
  void SetFilled(bool filled);

 private:
  friend class ShapeWidget;
  OleColor borderColor_ = vbWindowText;
  int borderWidth_ = 1;
  OleColor fillColor_ = 0;
  bool filled_ = false;
};

// Every change of Value, from code or the user, fires Change. A tab stop: Up, Down,
// PageUp and PageDown step it by SmallChange or LargeChange, Home and End go to Min and
// Max; its thumb is framed while it has the focus.
class VScrollBar : public Control {
 public:
  VScrollBar(Container& parent, std::string name, int index = -1);
  int Min() const;
  void SetMin(int value);
  int Max() const;
  void SetMax(int value);
  int Value() const;
  // A value outside Min..Max is refused: Value stays, no Change, false.
  bool SetValue(int value);
  void SetSmallChange(int step);
  void SetLargeChange(int step);
};

}  // namespace platform::ui
