#include <QProgressBar>
#include <algorithm>

#include "platform/messagebox.h"
#include "project/program_state.h"
#include "tests/mainwindow/wizard_fixture.h"
#include "texts/text_table.h"

using platform::MsgResult;
namespace mb = platform::mb;

namespace {

class NavigationTest : public WizardTest {
 protected:
  frmWizard& StartWithProject() {
    frmWizard& w = Start();
    ui.QueueMessageBoxAnswer(MsgResult::Yes);
    w.cmdNew_Click();
    ui.ClearRecords();
    return w;
  }
  int VisiblePage() const {
    int shown = -1;
    for (int page = 0; page <= 4; ++page) {
      if (wizard->MainPic[page].Visible()) {
        EXPECT_EQ(shown, -1) << "two pages visible";
        shown = page;
      }
    }
    return shown;
  }
};

TEST_F(NavigationTest, NextOnPage1WithoutProjectIsRefused) {
  frmWizard& w = Start();
  Navigate(1);
  ui.ClearRecords();
  Navigate(1);
  EXPECT_EQ(w.WizardPage, 1);
  EXPECT_EQ(VisiblePage(), 1);
  ASSERT_EQ(ui.MessageBoxes().size(), 1u);
  EXPECT_EQ(ui.MessageBoxes()[0].text, LangText[591]);
  EXPECT_EQ(ui.MessageBoxes()[0].text, "Datentransfer nicht vollst\xE4ndig !");
  EXPECT_EQ(ui.MessageBoxes()[0].title, "Weiter/Next");
  EXPECT_EQ(ui.MessageBoxes()[0].icon, mb::Exclamation);
  // The file buttons of page 1 are shown again.
  EXPECT_TRUE(w.cmdNew.Visible());
  EXPECT_TRUE(w.cmdRecentFileList.Visible());
}

TEST_F(NavigationTest, OneSideOfTheModuleIsNotEnough) {
  frmWizard& w = Start();
  Navigate(1);
  w.SideADataOk = true;
  Navigate(1);
  EXPECT_EQ(w.WizardPage, 1);
}

TEST_F(NavigationTest, TheWholeTable) {
  frmWizard& w = StartWithProject();
  const struct {
    int button;
    int page;
    const char* nextCaption;
    bool backEnabled;
  } walk[] = {
      {1, 1, "&Weiter >", true},  {1, 2, "&Weiter >", true}, {1, 3, "&Weiter >", true},
      {1, 4, "&Anfang >", true},  {1, 1, "&Weiter >", true}, {0, 0, "&Weiter >", false},
      {0, 0, "&Weiter >", false}, {1, 1, "&Weiter >", true}, {1, 2, "&Weiter >", true},
      {0, 1, "&Weiter >", true},  {1, 2, "&Weiter >", true}, {1, 3, "&Weiter >", true},
      {1, 4, "&Anfang >", true},  {0, 3, "&Weiter >", true}, {0, 2, "&Weiter >", true},
  };
  for (const auto& step : walk) {
    SCOPED_TRACE(testing::Message() << "to page " << step.page);
    if (step.button == 0 && w.WizardPage == 0) {
      w.cmdNavi_Click(0);  // the disabled button, called directly
    } else {
      Navigate(step.button);
    }
    EXPECT_EQ(w.WizardPage, step.page);
    EXPECT_EQ(VisiblePage(), step.page);
    EXPECT_EQ(w.cmdNavi[1].Caption(), step.nextCaption);
    EXPECT_EQ(w.cmdNavi[0].Enabled(), step.backEnabled);
    EXPECT_TRUE(w.cmdNavi[1].Enabled());
    EXPECT_TRUE(w.MainPic[0].Enabled());
    EXPECT_TRUE(w.MainPic[1].Enabled());
    EXPECT_FALSE(w.FrameTransfer.Visible());
  }
  EXPECT_TRUE(ui.MessageBoxes().empty());
}

TEST_F(NavigationTest, TransferPanelOnPage4ShowsItsBarUncovered) {
  frmWizard& w = StartWithProject();
  w.Show();
  for (int page = 1; page <= 4; ++page) {
    Navigate(1);
  }
  ASSERT_EQ(w.WizardPage, 4);
  w.FrameTransfer.SetVisible(true);  // as the transfer shows it
  w.ProgressBar1.SetMax(64);
  w.ProgressBar1.SetPosition(16);
  platform::ui::testing::ProcessEvents();
  ASSERT_NE(w.ProgressBar1.hwnd(), nullptr);
  auto* bar = w.ProgressBar1.Widget()->findChild<QProgressBar*>();
  ASSERT_NE(bar, nullptr);
  EXPECT_TRUE(bar->isVisible());
  // The whole control inside its thin edge.
  EXPECT_EQ(QRect(bar->mapTo(w.FrameTransfer.Widget(), QPoint(0, 0)), bar->size()),
            QRect(11, 37, 758, 18));
  QWidget* window = w.Window();
  EXPECT_EQ(window->childAt(bar->mapTo(window, bar->rect().center())), bar);
  EXPECT_EQ(bar->maximum(), 64);
  EXPECT_EQ(bar->value(), 16);
}

// On the pages whose device flows show the transfer panel (1 and 4), it lies beside
// what the page shows.
TEST_F(NavigationTest, TransferPanelCoversNothingOfItsPage) {
  frmWizard& w = StartWithProject();
  w.Show();
  QWidget* window = w.Window();
  for (int page = 1; page <= 4; ++page) {
    Navigate(1);
    ASSERT_EQ(w.WizardPage, page);
    if (page == 2 || page == 3) {
      continue;
    }
    w.FrameTransfer.SetVisible(true);
    const QRect panel = w.FrameTransfer.Widget()->geometry();
    QWidget* area = w.MainPic[page].ChildArea();
    for (QWidget* item : area->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (item->isVisibleTo(window)) {
        const QRect place(item->mapTo(window, QPoint(0, 0)), item->size());
        EXPECT_FALSE(place.intersects(panel))
            << "page " << page << ": " << item->objectName().toStdString();
      }
    }
  }
}

TEST_F(NavigationTest, PageLayouts) {
  frmWizard& w = StartWithProject();
  const struct {
    int page;
    bool logo;
    bool loadButtons;
    bool saveButtons;
    int frameTopTop;
    int transferTop;
  } pages[] = {{1, false, true, true, 42, 500},
               {2, false, false, true, 42, 528},
               {3, false, false, true, 42, 528},
               {4, false, false, true, 42, 452},
               {1, false, true, true, 42, 500}};
  for (const auto& p : pages) {
    SCOPED_TRACE(p.page);
    Navigate(1);
    ASSERT_EQ(w.WizardPage, p.page);
    EXPECT_EQ(w.ImgLogo.Visible(), p.logo);
    EXPECT_EQ(w.imgBanner.Visible(), !p.logo);
    EXPECT_TRUE(w.lblCaption1.Visible());
    EXPECT_EQ(w.lblCaption1.Caption(), LangText[593 + 2 * p.page]);
    EXPECT_EQ(w.lblCaption2.Caption(), LangText[594 + 2 * p.page]);
    EXPECT_EQ(w.lblFileOption.Visible(), p.loadButtons);
    EXPECT_EQ(w.cmdNew.Visible(), p.loadButtons);
    EXPECT_EQ(w.cmdLoadSave[0].Visible(), p.loadButtons);
    EXPECT_EQ(w.cmdRecentFileList.Visible(), p.loadButtons);
    EXPECT_EQ(w.cmdLoadSave[1].Visible(), p.saveButtons);
    EXPECT_EQ(w.CmdFileInfo.Visible(), p.saveButtons);
    EXPECT_EQ(w.FrameTop.Top(), p.frameTopTop);
    EXPECT_EQ(w.FrameTransfer.Top(), p.transferTop);
  }
  EXPECT_EQ(w.lblCaption1.Caption(), "Seite 1");
  Navigate(0);
  EXPECT_TRUE(w.ImgLogo.Visible());
  EXPECT_FALSE(w.lblCaption2.Visible());
  EXPECT_FALSE(w.cmdLoadSave[1].Visible());
  EXPECT_EQ(w.FrameTop.Top(), 92);
}

TEST_F(NavigationTest, InstructionsOnlyOnTheFirstArrivalAtPage1) {
  frmWizard& w = StartWithProject();
  Navigate(1);
  EXPECT_TRUE(InfoShown);
  Navigate(1);
  Navigate(0);
  Navigate(0);
  Navigate(1);
  ASSERT_EQ(w.WizardPage, 1);
  EXPECT_EQ(std::count(ui.ModalForms().begin(), ui.ModalForms().end(), "frmInfo"), 1);
}

TEST_F(NavigationTest, TabOrderOfPage2) {
  frmWizard& w = StartWithProject();
  Navigate(1);
  Navigate(1);
  EXPECT_EQ(w.cmdNew.TabIndex(), 1);
  EXPECT_EQ(w.CmdFileInfo.TabIndex(), 5);
  EXPECT_EQ(w.txtInfo[0].TabIndex(), 6);
  EXPECT_EQ(w.cmdListBack[3].TabIndex(), 33);
  EXPECT_EQ(w.VScroll1.TabIndex(), 34);
  EXPECT_EQ(w.cmdFilter1B.TabIndex(), 35);
  Navigate(1);
  EXPECT_EQ(w.txtUserHEX2[1].TabIndex(), 13);
  EXPECT_EQ(w.cmdFilter2B.TabIndex(), 27);
}

}  // namespace
