#pragma once

#include <string>
#include <utility>
#include <vector>

namespace platform::ui {

class Form;
class Menu;

struct FileDialogRequest {
  bool save = false;
  Form* owner = nullptr;
  std::string title;
  // Label and pattern(s) ("*.vrx", several separated by ";").
  std::vector<std::pair<std::string, std::string>> filters;
  int selectedFilter = 0;        // the preselected pair
  std::string defaultExtension;  // appended to a typed name without one ("vrx")
  std::string initialFile;
  bool fileMustExist = false;     // open: a missing file is refused
  bool pathMustExist = false;     // save: a missing folder is refused
  bool confirmOverwrite = false;  // save: an existing file needs a yes
};

// What the dialog gave back, in the file system's bytes. A name with a character that
// Windows-1252 lacks cannot be kept as text (the recent-file list, the messages): path
// is "" then and outsideCodePage is set.
struct FileDialogChoice {
  std::string path;  // "" when cancelled
  bool outsideCodePage = false;
};

// Shows the open or save dialog.
FileDialogChoice ShowFileDialogBox(const FileDialogRequest& request);

// The checks the dialog makes before it takes a choice: false for a missing file to
// open (fileMustExist) or a missing folder to save into (pathMustExist).
bool FileDialogAccepts(const FileDialogRequest& request, const std::string& path);

// Takes the place of the dialogs, popup menus and modal loops (tests).
class DialogInterceptor {
 public:
  virtual ~DialogInterceptor() = default;
  // The chosen path as the window system gives it, in UTF-8; "" cancels.
  virtual std::string AnswerFileDialog(const FileDialogRequest& request) = 0;
  // The position of the chosen item in menu.Items(), or -1 for none.
  virtual int AnswerPopupMenu(const Menu& menu) = 0;
  // Acts on a form shown modally; it is unloaded afterwards unless the action did.
  virtual void AnswerModalForm(Form& form) = 0;
  // EndProgram was called; the process goes on.
  virtual void OnEndProgram() = 0;
};

// nullptr removes the interceptor.
void SetDialogInterceptor(DialogInterceptor* interceptor);
DialogInterceptor* CurrentDialogInterceptor();

}  // namespace platform::ui
