#pragma once

#include <QPointer>
#include <string>
#include <string_view>
#include <vector>

#include "platform/colors.h"
#include "platform/form_texts.h"
#include "platform/ui/control.h"
#include "platform/ui/cursor.h"

class QEventLoop;

namespace platform::ui {

class FormWindow;
class Menu;

// A window. Derive from it, declare the controls as members (containers before
// what they hold) and set their handlers in the constructor; override the Form_
// handlers the window needs. A form is loaded by Load or its first Show and
// unloaded by Unload (the close box too); it can be loaded again after that.
class Form : public Container, public platform::FormTextTarget {
 public:
  explicit Form(std::string name);
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  ~Form() override;

  const std::string& Name() const { return name_; }
  std::string FormName() const override { return name_; }
  bool SetControlText(std::string_view control, int index, TextProperty property,
                      const std::string& text) override;
  // A control, menu or menu item by name and array index (-1: not in an array).
  NamedItem* FindItem(std::string_view name, int index = -1) const;
  Control* FindControl(std::string_view name, int index = -1) const;
  // Every control of the form, in the order they were made (containers first).
  std::vector<Control*> Controls() const;

  std::string Caption() const;
  void SetCaption(const std::string& caption);

  // Runs Form_Load unless the form is loaded.
  void Load();
  bool IsLoaded() const { return loaded_; }
  // Loads and shows the form without waiting.
  void Show(Form* owner = nullptr);
  // Loads and shows the form and returns when it has been unloaded or hidden.
  void ShowModal(Form* owner = nullptr);
  void Hide();
  // Runs Form_Unload; unless it sets Cancel, the form is hidden and no longer loaded.
  // Returns false when cancelled.
  bool Unload();
  bool Visible() const;
  bool IsModal() const { return modalLoop_ != nullptr || modalAnswered_; }

  // The client area has this fixed size in pixels.
  void SetClientSize(int width, int height);
  int ClientWidth() const;
  int ClientHeight() const;
  int Left() const;
  int Top() const;
  void Move(int left, int top);
  void CenterOnScreen();

  OleColor BackColor() const { return backColor_; }
  void SetBackColor(OleColor color);
  MousePointer Pointer() const { return pointer_; }
  // Hourglass and default act at once, also while a handler runs; the hourglass shows
  // over this window only.
  void SetMousePointer(MousePointer pointer);
  const Cursor& MouseIcon() const { return mouseIcon_; }
  void SetMouseIcon(const Cursor& icon);

  // Repaints the window and its controls at once.
  void Refresh();
  // Opens the menu at the mouse position and runs the chosen item's Click.
  void PopupMenu(Menu& menu);

  QWidget* Window() const;
  QWidget* ChildArea() override;
  Form& ParentForm() override { return *this; }

  // Escape in a window without a Cancel button closes it as its close box does.
  void SetEscapeCloses(bool closes) { escapeCloses_ = closes; }
  // Escape and Return as a dialog takes them, before the control they are meant for
  // (null: the window itself): Escape clicks the Cancel button, or closes the window
  // when EscapeCloses is set; Return clicks the Default button, unless it is meant for
  // a command button, which takes it itself. A held key's repeats are taken and do
  // nothing. True when the key was taken.
  bool TakeDialogKey(int KeyCode, int Shift, const Control* target, bool repeated = false);

  // Registration of the form's named items (done by their constructors).
  void Register(NamedItem& item);
  void Unregister(NamedItem& item);
  // The tab sequence of the form's controls, positions from 1.
  int TabPosition(const Control& control) const;
  void SetTabPosition(Control& control, int position);

 protected:
  virtual void Form_Load() {}
  virtual void Form_Unload(int& Cancel) { (void)Cancel; }
  virtual void Form_Activate() {}
  virtual void Form_MouseMove(int Button, int Shift, float X, float Y);
  virtual void Form_KeyDown(int& KeyCode, int Shift);

 private:
  friend class FormWindow;
  std::string name_;
  std::string caption_;
  FormWindow* window_ = nullptr;  // owned
  std::vector<NamedItem*> items_;
  std::vector<Control*> tabSequence_;
  bool loaded_ = false;
  QEventLoop* modalLoop_ = nullptr;
  bool modalAnswered_ = false;
  bool escapeCloses_ = false;
  OleColor backColor_ = vbButtonFace;
  MousePointer pointer_ = MousePointer::Default;
  Cursor mouseIcon_;
  WaitCursor waitCursor_;
};

}  // namespace platform::ui
