#include "platform/ui/dialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStringList>

#include "platform/cp1252.h"
#include "platform/ui/form.h"
#include "platform/ui/qt_support.h"
#include "platform/ui/shown_text.h"

namespace platform::ui {
namespace {

DialogInterceptor*& Interceptor() {
  static DialogInterceptor* interceptor = nullptr;
  return interceptor;
}

// "Label (*.vrx)" with pattern "*.vrx" becomes the Qt filter "Label (*.vrx)"; the
// patterns are what Qt filters by, so they replace any in the label.
QString QtFilter(const std::pair<std::string, std::string>& filter) {
  QString label = ToQt(filter.first);
  const int bracket = static_cast<int>(label.lastIndexOf('('));
  if (bracket > 0) {
    label = label.left(bracket).trimmed();
  }
  QString patterns = ToQt(filter.second);
  patterns.replace(';', ' ');
  return label + " (" + patterns + ")";
}

// Refuses a choice the request does not allow and keeps the dialog open.
class CheckingFileDialog : public QFileDialog {
 public:
  explicit CheckingFileDialog(const FileDialogRequest& request)
      : QFileDialog(request.owner != nullptr ? request.owner->Window() : nullptr,
                    ShownAsWindowTitle(request.title)),
        request_(request) {}

 protected:
  void accept() override {
    const QStringList files = selectedFiles();
    // A name outside the code page is refused once the dialog has closed.
    if (!files.isEmpty() && !QFileInfo(files.first()).isDir() &&
        platform::FitsCp1252(files.first().toStdString()) &&
        !FileDialogAccepts(request_, FromQt(files.first()))) {
      // Qt's own texts, in the language of the rest of the dialog.
      const QString message =
          request_.save
              ? QFileDialog::tr(
                    "%1\nDirectory not found.\nPlease verify the correct directory name was given.")
                    .arg(QFileInfo(files.first()).absolutePath())
              : QFileDialog::tr(
                    "%1\nFile not found.\nPlease verify the correct file name was given.")
                    .arg(files.first());
      QMessageBox box(QMessageBox::Warning, windowTitle(), message, QMessageBox::Ok, this);
      box.setTextFormat(Qt::PlainText);  // the path as it stands
      box.exec();
      return;
    }
    QFileDialog::accept();
  }

 private:
  const FileDialogRequest& request_;
};

// The chosen path in UTF-8, "" when cancelled.
std::string RunFileDialog(const FileDialogRequest& request) {
  CheckingFileDialog dialog(request);
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(request.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
  QStringList filters;
  for (const auto& filter : request.filters) {
    filters << QtFilter(filter);
  }
  dialog.setNameFilters(filters);
  if (request.selectedFilter >= 0 && request.selectedFilter < filters.size()) {
    dialog.selectNameFilter(filters[request.selectedFilter]);
  }
  if (!request.defaultExtension.empty()) {
    dialog.setDefaultSuffix(ToQt(request.defaultExtension));
  }
  if (!request.initialFile.empty()) {
    dialog.selectFile(ToQt(request.initialFile));
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return {};
  }
  return dialog.selectedFiles().first().toStdString();
}

}  // namespace

bool FileDialogAccepts(const FileDialogRequest& request, const std::string& path) {
  const QFileInfo file(ToQt(path));
  if (request.fileMustExist && !file.isFile()) {
    return false;
  }
  return !request.pathMustExist || file.absoluteDir().exists();
}

void SetDialogInterceptor(DialogInterceptor* interceptor) {
  Interceptor() = interceptor;
}
DialogInterceptor* CurrentDialogInterceptor() {
  return Interceptor();
}

FileDialogChoice ShowFileDialogBox(const FileDialogRequest& request) {
  const std::string chosen =
      Interceptor() != nullptr ? Interceptor()->AnswerFileDialog(request) : RunFileDialog(request);
  if (!platform::FitsCp1252(chosen)) {
    return {.path = "", .outsideCodePage = true};
  }
  return {.path = chosen};
}

}  // namespace platform::ui
