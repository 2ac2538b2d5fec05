#pragma once

#include <memory>

#include "platform/canvas.h"
#include "platform/ui/control.h"
#include "platform/ui/picture.h"

class QGroupBox;

namespace platform::ui {

class Frame : public Control, public Container {
 public:
  Frame(Container& parent, std::string name, int index = -1);
  void SetCaption(const std::string& caption) override;
  std::string Caption() const override;
  QWidget* ChildArea() override { return Widget(); }
  Form& ParentForm() override { return Control::ParentForm(); }

 private:
  QGroupBox* box_;
};

class PictureCanvas;

// A picture area: a container that keeps a persistent image (its drawing surface,
// the size of the control, filled with BackColor), raises mouse events with the
// mouse captured by the control from press to release, and key and focus events once
// it is a tab stop.
class PictureBox : public Control, public Container {
 public:
  PictureBox(Container& parent, std::string name, int index = -1);
  ~PictureBox() override;
  // Controls inside lie on the drawing surface, inside the border.
  QWidget* ChildArea() override;
  Form& ParentForm() override { return Control::ParentForm(); }

  // The drawing surface; drawing shows at the next repaint (Refresh or the event loop).
  platform::Canvas& Canvas();
  // Clears the surface to BackColor.
  void Cls();
  // Draws the picture at (0, 0) of the surface and keeps it as the control's picture.
  void SetPicture(const Picture& picture);
  const Picture& GetPicture() const { return picture_; }
  // The surface as an image (for copies and tests).
  QImage Image() const;
  // Only a tab stop takes the focus, by Tab or a click: a picture area with a job on
  // the keyboard. None is at first.
  void SetTabStop(bool tabStop);
  // 0 none, 1 a one-pixel fixed single border (the surface lies inside it).
  void SetBorderStyle(int style);
  int ScaleWidth() const;
  int ScaleHeight() const;

 private:
  void ApplyColors() override;
  void FitSurface() const;
  class Surface;
  Surface* surface_;  // owned by the widget
  std::unique_ptr<PictureCanvas> canvas_;
  Picture picture_;
};

}  // namespace platform::ui
