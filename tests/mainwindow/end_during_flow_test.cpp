// Ending the program while a device flow lets window messages be handled: the process
// ends at once and the flow sends nothing more. Each case runs in a child process that
// starts the window as the program does and reports what happened on stderr.
#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <functional>

#include "platform/messagebox.h"
#include "platform/ui/application.h"
#include "platform/ui/dialogs.h"
#include "seriallink/rs232.h"
#include "tests/common/installed_transport.h"
#include "tests/mainwindow/device_fixture.h"
#include "texts/text_table.h"

namespace testing_ui = platform::ui::testing;

namespace {

// Every report line begins with '#'.
void Report(const char* line) {
  std::fputs(line, stderr);
}

// The user: Yes to the question which side to reset, and with it the request to close;
// Yes to the closing question; No to anything else.
class EndingUser : public platform::MessageBoxPresenter {
 public:
  explicit EndingUser(std::function<void()> closeRequest)
      : closeRequest_(std::move(closeRequest)) {}
  platform::MsgResult Show(const platform::MessageBoxCall& call) override {
    if (call.prompt == LangText[586]) {
      Report("#closing question answered Yes\n");
      return platform::MsgResult::Yes;
    }
    if (call.prompt.starts_with(LangText[536])) {
      Report("#side question answered Yes\n");
      QTimer::singleShot(0, closeRequest_);  // arrives with the reset's first window messages
      return platform::MsgResult::Yes;
    }
    Report("#other box\n");
    return platform::MsgResult::No;
  }

 private:
  std::function<void()> closeRequest_;
};

class ReportingTransport : public InstalledTransport {
 public:
  std::string Send(const std::string& sPortItem, const std::string& sSpeed,
                   const std::string& sCommand, std::int16_t iPollCount,
                   std::int32_t lWaitMs) override {
    Report("#command sent\n");
    return SendCommand(sPortItem, sSpeed, sCommand, iPollCount, lWaitMs);
  }
};

struct CloseRequest {
  const char* name;
  std::function<void(frmWizard&)> give;
};

class EndDuringFlowDeathTest : public DeviceFlowTest,
                               public ::testing::WithParamInterface<CloseRequest> {
 protected:
  // The program's own run: no harness records the end, the event loop is the program's.
  void ResetModuleAndRequestClose() {
    Connect({}, 1, 0);
    frmWizard& w = StartOnPage(1);
    EndingUser user([&w] { GetParam().give(w); });
    ReportingTransport transport;
    platform::SetMessageBoxPresenter(&user);
    platform::ui::SetDialogInterceptor(nullptr);
    QTimer::singleShot(0, [&w] { testing_ui::ClickControl(w.CmdFactory); });
    platform::ui::RunApplication(w);
    Report("#the program ran on\n");
  }
};

TEST_P(EndDuringFlowDeathTest, YesToTheClosingQuestionEndsTheProcessBeforeTheNextCommand) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  // Some commands of the reset went out before the request; none after the answer.
  EXPECT_EXIT(ResetModuleAndRequestClose(), ::testing::ExitedWithCode(0),
              "#side question answered Yes\n.*#command sent\n.*"
              "#closing question answered Yes\n[^#]*$");
}

INSTANTIATE_TEST_SUITE_P(
    Requests, EndDuringFlowDeathTest,
    ::testing::Values(CloseRequest{"CloseBox",
                                   [](frmWizard& w) {
                                     QCoreApplication::postEvent(w.Window()->windowHandle(),
                                                                 new QCloseEvent);
                                   }},
                      CloseRequest{"EndButton",
                                   [](frmWizard& w) { testing_ui::ClickControl(w.cmdNavi[2]); }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
