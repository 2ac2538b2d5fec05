// The page scroll bars of the link pages and the list editor as a keyboard user meets
// them: reached by Tab in their place, marked while they have the focus, and turning
// the page both ways with Up, Down, PageUp and PageDown, the rows following.
#include <QImage>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <functional>
#include <string>

#include "dialogs/frm_list.h"
#include "project/program_state.h"
#include "tests/mainwindow/link_fixture.h"

namespace {

// The controls around a scroll bar in the tab sequence, and the rows it pages.
struct ScrollPlace {
  ui::Control& before;
  ui::VScrollBar& scroll;
  ui::Control& after;
  ui::Label& firstNumber;  // the entry number of the first row
  int rowsPerPage;
};

struct ScrollCase {
  const char* name;
  int page;  // the wizard page it is on; 1: the list editor, opened from there
  std::function<ScrollPlace(frmWizard&)> onPage;
};

void PrintTo(const ScrollCase& c, std::ostream* out) {
  *out << c.name;
}

const ScrollCase kScrollBars[] = {
    {"Page2", 2,
     [](frmWizard& w) {
       return ScrollPlace{w.cmdListBack[3], w.VScroll1, w.cmdFilter1B, w.lblNumber[0], 4};
     }},
    {"Page3", 3,
     [](frmWizard& w) {
       return ScrollPlace{w.cmdListTo2[3], w.VScroll2, w.cmdFilter2B, w.lblNumber2[0], 4};
     }},
    {"ListEditor", 1, nullptr},
};

class ScrollBarKeys : public LinkPageTest, public ::testing::WithParamInterface<ScrollCase> {
 protected:
  static void Key(ui::Form& form, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(form.Window()->windowHandle(), key, modifiers);
  }

  static void Walk(ui::Form& form, const ScrollPlace& place) {
    const QImage unfocused = place.scroll.Widget()->grab().toImage();
    place.before.SetFocus();
    Key(form, Qt::Key_Tab);
    ASSERT_TRUE(place.scroll.HasFocus()) << "Tab from " << place.before.Name();
    EXPECT_NE(place.scroll.Widget()->grab().toImage(), unfocused) << "the focus shows";

    struct Step {
      Qt::Key key;
      int page;
    };
    for (const Step step : {Step{Qt::Key_Down, 1}, Step{Qt::Key_PageDown, 2}, Step{Qt::Key_Up, 1},
                            Step{Qt::Key_PageUp, 0}, Step{Qt::Key_Up, 0}}) {
      Key(form, step.key);
      EXPECT_EQ(place.scroll.Value(), step.page) << "key " << step.key;
      EXPECT_EQ(place.firstNumber.Caption(), std::to_string(step.page * place.rowsPerPage + 1));
      EXPECT_TRUE(place.scroll.HasFocus());
    }

    Key(form, Qt::Key_Tab);
    EXPECT_TRUE(place.after.HasFocus()) << place.after.Name() << " after the scroll bar";
    Key(form, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(place.scroll.HasFocus()) << "Shift+Tab back";
    Key(form, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(place.before.HasFocus()) << place.before.Name() << " before the scroll bar";
  }
};

TEST_P(ScrollBarKeys, TabReachesItAndItsKeysTurnThePage) {
  const ScrollCase& c = GetParam();
  frmWizard& w = OpenLinkPage(c.page);
  if (c.onPage) {
    Walk(w, c.onPage(w));
    return;
  }
  ListKind = 1;
  ListRecordNo = 0;
  bool walked = false;
  ui.QueueModalFormAction([&walked](ui::Form& form) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.Window()));
    auto& editor = static_cast<frmList&>(form);
    Walk(editor, {editor.txtUserHEX[7], editor.VScroll1, editor.cmdOK, editor.lblNumber[0], 8});
    walked = true;
  });
  w.cmdList[0].PerformClick();
  EXPECT_TRUE(walked);
}

INSTANTIATE_TEST_SUITE_P(ScrollBars, ScrollBarKeys, ::testing::ValuesIn(kScrollBars),
                         [](const ::testing::TestParamInfo<ScrollCase>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
