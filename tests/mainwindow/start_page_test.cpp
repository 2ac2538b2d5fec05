#include <QCursor>
#include <QImage>
#include <QWidget>
#include <set>
#include <utility>

#include "platform/colors.h"
#include "platform/files.h"
#include "tests/mainwindow/wizard_fixture.h"

namespace {

using platform::ui::MousePointer;
namespace testing = platform::ui::testing;

const QRgb kKeyGreen = qRgb(0, 255, 0);

QRgb ButtonFace() {
  std::uint32_t face = 0;
  platform::OleTranslateColor(platform::vbButtonFace, face);
  return qRgb(face & 0xFF, (face >> 8) & 0xFF, (face >> 16) & 0xFF);
}

// Counts the pixels of `page` covered by `picture` at (left, top) that do not show the
// picture's pixel there, or the button face where the picture is key green.
int PixelsNotPainted(const QImage& page, const QImage& picture, int left, int top) {
  int wrong = 0;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      if (!page.valid(left + x, top + y)) {
        continue;
      }
      const QRgb source = picture.pixel(x, y) | 0xFF000000u;
      const QRgb expected = source == kKeyGreen ? ButtonFace() : source;
      wrong += (page.pixel(left + x, top + y) | 0xFF000000u) != expected;
    }
  }
  return wrong;
}

class StartPageTest : public WizardTest {
 protected:
  // The window with the pictures that travel with the program.
  frmWizard& StartWithPictures() {
    platform::SetProgramFolder(PELVARON_PROGRAM_FOLDER);
    return Start();
  }
};

TEST_F(StartPageTest, PicturesArePaintedAtTheirPlacesWithGreenLeftOut) {
  frmWizard& w = StartWithPictures();
  const QImage page = w.MainPic[0].Image();
  struct Painted {
    platform::ui::PictureBox& source;
    int left;
    int top;
  };
  for (const Painted& p :
       {Painted{w.PicPelvaron, -4, 0}, Painted{w.PicStemp, 474, 0}, Painted{w.PicMIG, 676, 40}}) {
    SCOPED_TRACE(p.source.Name());
    const QImage picture = p.source.GetPicture().Image();
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(p.source.Width(), p.source.Height()));
    EXPECT_EQ(PixelsNotPainted(page, picture, p.left, p.top), 0);
  }
  // Every picture leaves some of the page showing through, and shows something itself.
  const QImage logo = w.PicPelvaron.GetPicture().Image();
  EXPECT_EQ(logo.pixel(0, 0) | 0xFF000000u, kKeyGreen);
  EXPECT_NE(page.pixel(240, 250) | 0xFF000000u, ButtonFace());
  EXPECT_EQ(PixelsNotPainted(w.PicGermanyShow.Image(), w.PicGermanyMini.GetPicture().Image(), 0, 0),
            0);
  EXPECT_FALSE(w.PicPelvaron.Visible());
  EXPECT_FALSE(w.PicGermany.Visible());
  EXPECT_TRUE(w.PicGermanyShow.Visible());
}

TEST_F(StartPageTest, PressShowsTheLargerPictureAndReleaseRestoresThePage) {
  frmWizard& w = StartWithPictures();
  const QImage before = w.MainPic[0].Image();
  const QImage germany = w.PicGermany.GetPicture().Image();
  ASSERT_FALSE(germany.isNull());
  // Any button, and more than once.
  for (int button : {1, 2, 4, 1}) {
    SCOPED_TRACE(button);
    testing::MousePress(w.PicGermanyShow, button, 20, 30);
    const QImage pressed = w.MainPic[0].Image();
    EXPECT_NE(pressed, before);
    EXPECT_EQ(PixelsNotPainted(pressed, germany, -6, 0), 0);
    EXPECT_EQ(PixelsNotPainted(pressed, w.PicStemp.GetPicture().Image(), 474, 0), 0);
    testing::MouseRelease(w.PicGermanyShow, button, 20, 30);
    EXPECT_EQ(w.MainPic[0].Image(), before);
  }
}

// Controls that show the hand pointer; cmdFilter1B and cmdFilter2B stand in the list twice.
std::set<std::pair<std::string, int>> HandCursorControls() {
  std::set<std::pair<std::string, int>> controls = {
      {"imgFlag", -1},          {"cmdNew", -1},
      {"cmdLoadSave", 0},       {"cmdRecentFileList", -1},
      {"cmdLoadSave", 1},       {"CmdFileInfo", -1},
      {"CmdHelp", -1},          {"cmdNavi", 0},
      {"cmdNavi", 1},           {"cmdNavi", 2},
      {"lblWeb", -1},           {"lblEmail", -1},
      {"lblWebQm", -1},         {"cmdSearchCom", -1},
      {"chkTwoPort", -1},       {"CmdFactory", -1},
      {"Combo3", -1},           {"Combo4", -1},
      {"chkHandshakeCom1", -1}, {"Combo5", -1},
      {"Combo6", -1},           {"chkHandshakeCom2", -1},
      {"cmdStatusList2", -1},   {"cmdFilter1B", -1},
      {"cmdFilter2B", -1},      {"VScroll1", -1},
      {"VScroll2", -1},         {"CmdTransmit", -1},
      {"chkOnlyParameter", -1}, {"chkTwoPort2", -1},
      {"chkAutosave", -1},      {"cmdShowAutosave", -1}};
  for (int i = 0; i <= 3; ++i) {
    for (const char* name : {"cmdList", "txtInfo", "txtUserASC", "txtUserHEX", "cmbTransTo",
                             "cmdListTo", "cmbBackAnswer", "cmdListBack", "txtInfo2", "txtUserASC2",
                             "txtUserHEX2", "cmbTransTo2", "cmdListTo2"}) {
      controls.insert({name, i});
    }
  }
  return controls;
}

bool HasOwnHand(const QWidget& widget) {
  return widget.testAttribute(Qt::WA_SetCursor) && widget.cursor().shape() == Qt::BitmapCursor;
}

TEST_F(StartPageTest, TheHandShowsOverExactlyTheListedControls) {
  frmWizard& w = StartWithPictures();
  const auto listed = HandCursorControls();
  ASSERT_EQ(listed.size(), 84u);
  for (const auto& [name, index] : listed) {
    SCOPED_TRACE(name + "(" + std::to_string(index) + ")");
    platform::ui::Control* control = w.FindControl(name, index);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->Pointer(), MousePointer::Custom);
    const QCursor& hand = control->MouseIcon().Get();
    EXPECT_EQ(hand.pixmap().size(), QSize(32, 32));
    EXPECT_EQ(hand.hotSpot(), QPoint(7, 0));
    EXPECT_TRUE(HasOwnHand(*control->Widget()));
  }
  EXPECT_EQ(w.PicGermanyShow.Pointer(), MousePointer::Custom);
  EXPECT_EQ(w.PicGermanyShow.MouseIcon().Get().hotSpot(), QPoint(7, 0));
  for (platform::ui::Control* plain : {static_cast<platform::ui::Control*>(&w.Combo1),
                                       static_cast<platform::ui::Control*>(&w.Combo2),
                                       static_cast<platform::ui::Control*>(&w.imgUpDownList[0]),
                                       static_cast<platform::ui::Control*>(&w.imgUpDownList[1]),
                                       static_cast<platform::ui::Control*>(&w.imgUpDownList2[0]),
                                       static_cast<platform::ui::Control*>(&w.imgUpDownList2[1]),
                                       static_cast<platform::ui::Control*>(&w.cmdList[4]),
                                       static_cast<platform::ui::Control*>(&w.cmdStatusList3),
                                       static_cast<platform::ui::Control*>(&w.PicPelvaron)}) {
    SCOPED_TRACE(plain->Name());
    EXPECT_EQ(plain->Pointer(), MousePointer::Default);
    EXPECT_FALSE(HasOwnHand(*plain->Widget()));
  }
  // No other widget of the window has a picture pointer of its own.
  int withHand = 0;
  for (const QWidget* widget : w.Window()->findChildren<QWidget*>()) {
    withHand += HasOwnHand(*widget);
  }
  EXPECT_EQ(withHand, 85);  // the list and PicGermanyShow
}

TEST_F(StartPageTest, WithoutPicturesBesideTheProgramThePageStillWorks) {
  frmWizard& w = Start();  // a program folder without pictures
  EXPECT_EQ(w.cmdNavi[1].Pointer(), MousePointer::Custom);
  const QImage before = w.MainPic[0].Image();
  testing::MousePress(w.PicGermanyShow, 1, 5, 5);
  testing::MouseRelease(w.PicGermanyShow, 1, 5, 5);
  EXPECT_EQ(w.MainPic[0].Image(), before);
}

}  // namespace
