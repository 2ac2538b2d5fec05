#include "platform/ui/application.h"

#include <QApplication>
#include <QClipboard>
#include <QEventLoop>
#include <QScreen>
#include <cstdlib>

#include "platform/events.h"
#include "platform/messagebox.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/form.h"
#include "platform/ui/message_box_presenter.h"
#include "platform/ui/qt_support.h"

namespace platform::ui {
namespace {

struct State {
  QtMessageBoxPresenter presenter;
  std::string defaultTitle = "Pelvaron";
  std::optional<ScreenSize> screenOverride;
  bool running = false;
  bool ended = false;
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
  if (!mainForm.IsLoaded()) {
    return 0;
  }
  State& state = TheState();
  state.running = true;
  while (mainForm.IsLoaded() && !state.ended) {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  state.running = false;
  return 0;
}

void EndProgram() {
  if (DialogInterceptor* interceptor = CurrentDialogInterceptor()) {
    interceptor->OnEndProgram();
    return;
  }
  if (!TheState().running) {
    std::exit(0);
  }
  TheState().ended = true;
  QCoreApplication::exit(0);  // leaves any modal loop; RunApplication then returns
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
