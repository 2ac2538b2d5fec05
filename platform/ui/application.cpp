#include "platform/ui/application.h"

#include <QApplication>
#include <QClipboard>
#include <QEventLoop>
#include <QLocale>
#include <QScreen>
#include <cstdlib>

#include "platform/events.h"
#include "platform/messagebox.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/form.h"
#include "platform/ui/message_box_presenter.h"
#include "platform/ui/qt_support.h"
#include "platform/ui/qt_translations.h"

namespace platform::ui {
namespace {

struct State {
  QtMessageBoxPresenter presenter;
  std::string defaultTitle = "Pelvaron";
  std::optional<ScreenSize> screenOverride;
};

State& TheState() {
  static State state;
  return state;
}

void InstallServices() {
  platform::SetDoEventsHook([] { QCoreApplication::processEvents(QEventLoop::AllEvents); });
  platform::SetMessageBoxPresenter(&TheState().presenter);
}

}  // namespace

void InitApplication(int& argc, char** argv) {
  if (QApplication::instance() == nullptr) {
    // Lives until the process ends: destroying it among the static objects at exit
    // runs into Qt's own already destroyed globals.
    new QApplication(argc, argv);
    // Qt's own texts, message-box buttons among them, follow the desktop's language as
    // the system's own do; the program's texts come from its language file.
    LoadQtTranslations(QLocale::system());
    InstallServices();
  }
}

void EnsureApplication() {
  if (QApplication::instance() == nullptr) {
    static int argc = 1;
    static char name[] = "pelvaron";
    static char* argv[] = {name, nullptr};
    InitApplication(argc, argv);
  }
}

int RunApplication(Form& mainForm) {
  EnsureApplication();
  mainForm.Show();
  while (mainForm.IsLoaded()) {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  return 0;
}

// Leaving the event loop would not do: a handler that lets window messages be handled
// (a device flow) would go on running under the loops it nests.
void EndProgram() {
  if (DialogInterceptor* interceptor = CurrentDialogInterceptor()) {
    interceptor->OnEndProgram();
    return;
  }
  std::exit(0);
}

void SetDefaultTitle(const std::string& title) {
  TheState().defaultTitle = title;
}
std::string DefaultTitle() {
  return TheState().defaultTitle;
}

ScreenSize GetScreenSize() {
  if (TheState().screenOverride) {
    return *TheState().screenOverride;
  }
  EnsureApplication();
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) {
    return {};
  }
  return {screen->geometry().width(), screen->geometry().height()};
}

void SetScreenSizeOverride(std::optional<ScreenSize> size) {
  TheState().screenOverride = size;
}

void SetClipboardText(const std::string& text) {
  EnsureApplication();
  QGuiApplication::clipboard()->setText(ToQt(text));
}

std::string ClipboardText() {
  EnsureApplication();
  return FromQt(QGuiApplication::clipboard()->text());
}

}  // namespace platform::ui
