#pragma once

#include <QLabel>
#include <QString>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/messagebox.h"
#include "platform/ui/control.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/form.h"

namespace platform::ui::testing {

struct ShownMessageBox {
  std::string text;
  std::string title;  // the default title when the box had none
  int buttons = 0;    // style & mb::ButtonMask
  int icon = 0;       // style & mb::IconMask
  int style = 0;
};

// While it lives, message boxes, file dialogs, popup menus and modal forms are
// answered from queues and recorded; nothing waits for a person. An empty queue
// answers like a cancel (message box: Ok, No or Cancel by its buttons; file dialog
// ""; menu no item; modal form unloaded at once). Create it before the first form
// so the application runs headless.
class UiHarness : public platform::MessageBoxPresenter, public DialogInterceptor {
 public:
  UiHarness();
  ~UiHarness() override;

  void QueueMessageBoxAnswer(platform::MsgResult answer);
  void QueueFileDialogAnswer(const std::string& path);  // Windows-1252; "" cancels
  // A name as the user may type it, any character in UTF-8.
  void QueueFileDialogUnicodeAnswer(std::string path);
  void QueuePopupMenuAnswer(int position);  // -1 dismisses
  void QueueModalFormAction(std::function<void(Form&)> action);

  const std::vector<ShownMessageBox>& MessageBoxes() const { return messageBoxes_; }
  const std::vector<FileDialogRequest>& FileDialogs() const { return fileDialogs_; }
  const std::vector<std::string>& PopupMenus() const { return popupMenus_; }
  const std::vector<std::string>& ModalForms() const { return modalForms_; }
  bool ProgramEnded() const { return programEnded_; }
  // Answers queued but not used yet.
  int PendingAnswers() const;
  void ClearRecords();

  platform::MsgResult Show(const platform::MessageBoxCall& call) override;
  std::string AnswerFileDialog(const FileDialogRequest& request) override;
  int AnswerPopupMenu(const Menu& menu) override;
  void AnswerModalForm(Form& form) override;
  void OnEndProgram() override { programEnded_ = true; }

 private:
  std::deque<platform::MsgResult> messageBoxAnswers_;
  std::deque<std::string> fileDialogAnswers_;  // UTF-8
  std::deque<int> popupMenuAnswers_;
  std::deque<std::function<void(Form&)>> modalFormActions_;
  std::vector<ShownMessageBox> messageBoxes_;
  std::vector<FileDialogRequest> fileDialogs_;
  std::vector<std::string> popupMenus_;
  std::vector<std::string> modalForms_;
  bool programEnded_ = false;
};

// Lets queued window events run.
void ProcessEvents();
// What the label shows: its text, or, where Qt reads the text as markup, what the markup
// comes out as (line breaks as "\n").
QString LabelShows(const QLabel& label);
// The tip window on the screen (a top-level tool-tip window), or nullptr while none
// shows; waits up to waitMs for one.
QWidget* ShownTipWindow(int waitMs = 0);
// Writes the form's window as it looks now; false when the file cannot be written.
bool SaveScreenshot(Form& form, const std::string& pngPath);

// User input, delivered as the window system would (Windows-1252 text, key codes
// as the KeyDown handlers receive them).
void TypeText(Control& control, const std::string& text);
void PressKey(Control& control, int keyCode, int shift = 0);
void ClickControl(Control& control);
void MousePress(Control& control, int button, int x, int y, int shift = 0);
void MouseMoveTo(Control& control, int buttons, int x, int y, int shift = 0);
void MouseRelease(Control& control, int button, int x, int y, int shift = 0);
// The wheel turned over the middle of the control, in eighths of a degree (120 is one
// notch away from the user, -120 one towards): it goes to the widget under the pointer
// and on to its parents while none takes it.
void TurnWheel(Control& control, int angleDelta);
// The text box's own context menu, opened by a right click through the window system
// at (x, y), and its item `item` clicked, named by Qt's English text: "Undo", "Redo",
// "Cut", "Copy", "Paste", "Delete" or "Select All". False (the menu closed) when no menu
// came or the item is missing or disabled.
bool ChooseFromContextMenu(Control& box, const std::string& item, int x = 4, int y = 4);
// A middle-click at (x, y) of a text box while the X11 selection holds text
// (Windows-1252). Where the platform keeps no selection (offscreen), the box gets what
// a middle-click gives it: the text inserted where the click puts the caret.
void MiddleClickPaste(Control& box, const std::string& text, int x, int y);
// Text dragged in from another window and dropped at (x, y) of the control: the drag
// enters, moves there and drops, each as Qt delivers them.
void DropText(Control& control, const std::string& text, int x, int y);
// Where the control's mouse coordinates start inside its widget: a picture box counts
// from inside its border.
QPoint ClientOrigin(const Control& control);
// Asks the window to close as its close box does.
void CloseWindow(Form& form);

}  // namespace platform::ui::testing
