#include "tests/windows/walked_windows.h"

#include "dialogs/frm_asc_code.h"
#include "dialogs/frm_file_info.h"
#include "dialogs/frm_filter.h"
#include "dialogs/frm_info.h"
#include "dialogs/frm_list.h"
#include "dialogs/frm_status.h"
#include "dialogs/frm_test.h"
#include "mainwindow/frm_wizard.h"
#include "project/program_state.h"

namespace {

// The main window with a new project, on each page, also with the transfer panel and
// the hint line shown over it as the device flows show them. The pages are reached
// with Back and Next, which give Next its caption of the page.
WalkedWindow Wizard() {
  WalkedWindow wizard{"frmWizard",
                      [](platform::ui::testing::UiHarness& ui) {
                        auto window = std::make_unique<frmWizard>();
                        window->Show();
                        ui.QueueMessageBoxAnswer(platform::MsgResult::Yes);
                        window->cmdNew_Click();
                        return std::unique_ptr<platform::ui::Form>(std::move(window));
                      },
                      {}};
  for (std::int16_t page = 0; page <= 4; ++page) {
    for (bool panels : {false, true}) {
      wizard.states.push_back([page, panels](platform::ui::Form& form) {
        auto& w = static_cast<frmWizard&>(form);
        for (int click = 0; click < 8 && w.WizardPage != page; ++click) {
          w.cmdNavi[w.WizardPage > page ? 0 : 1].PerformClick();
        }
        std::int16_t shown = page;
        w.ShowWizardPage(shown);
        w.FrameTransfer.SetVisible(panels);
        w.lblInfotext.SetVisible(panels);
      });
    }
  }
  return wizard;
}

}  // namespace

// One line a window.
const std::vector<WalkedWindow>& WalkedWindows() {
  static const std::vector<WalkedWindow> windows = {
      Wizard(),
      Walk<frmInfo>("frmInfo"),
      Walk<frmFileInfo>("frmFileInfo"),
      Walk<frmTest>("frmTest"),
      Walk<frmList>("frmList",  // on page 2, with both page arrows shown
                    [] {
                      ListKind = 1;
                      ListRecordNo = 8;
                    }),
      Walk<frmAscCode>("frmAscCode"),
      Walk<frmFilter>("frmFilter", [] { FilterSide = 0; }),
      Walk<frmFilter>("frmFilterCom2", [] { FilterSide = 1; }),
      Walk<frmStatus>("frmStatus", [] { FilterSide = 0; }),
  };
  return windows;
}

std::vector<std::function<void(platform::ui::Form&)>> StatesOf(const WalkedWindow& window) {
  if (window.states.empty()) {
    return {[](platform::ui::Form&) {}};
  }
  return window.states;
}
