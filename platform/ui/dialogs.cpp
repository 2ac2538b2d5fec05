#include "platform/ui/dialogs.h"

#include <QFileDialog>
#include <QStringList>

#include "platform/ui/form.h"
#include "platform/ui/qt_support.h"

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

}  // namespace

void SetDialogInterceptor(DialogInterceptor* interceptor) {
  Interceptor() = interceptor;
}
DialogInterceptor* CurrentDialogInterceptor() {
  return Interceptor();
}

std::string ShowFileDialogBox(const FileDialogRequest& request) {
  if (Interceptor() != nullptr) {
    return Interceptor()->AnswerFileDialog(request);
  }
  QFileDialog dialog(request.owner != nullptr ? request.owner->Window() : nullptr,
                     ToQt(request.title));
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
  return FromQt(dialog.selectedFiles().first());
}

}  // namespace platform::ui
