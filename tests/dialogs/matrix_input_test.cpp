#include <QTest>
#include <QWidget>
#include <QWindow>
#include <memory>
#include <random>

#include "dialogs/frm_filter.h"
#include "dialogs/frm_status.h"
#include "project/program_state.h"
#include "project/records.h"
#include "tests/dialogs/matrix_fixture.h"

// Keys and the mouse on the grid of both windows: the cell each edits, the cursor,
// clicks, drags and the band.
namespace {

namespace testing_ui = platform::ui::testing;
namespace vb = platform::ui::vb;

struct Editor {
  const char* name;
  std::function<std::unique_ptr<MatrixEditor>()> make;
  std::function<MatrixRow&(CommandRecord&)> matrix;
};

void PrintTo(const Editor& editor, std::ostream* os) {
  *os << editor.name;
}

const Editor kEditors[] = {
    {"Filter1", [] { return std::make_unique<frmFilter>(); },
     [](CommandRecord& r) -> MatrixRow& { return r.Filter1Matrix; }},
    {"Status", [] { return std::make_unique<frmStatus>(); },
     [](CommandRecord& r) -> MatrixRow& { return r.StatusMatrix; }},
};

class GridTest : public MatrixTest, public ::testing::WithParamInterface<Editor> {
 protected:
  MatrixEditor& Open() {
    window = GetParam().make();
    window->Show();
    return *window;
  }
  std::uint8_t& At(int X, int Y) { return GetParam().matrix(CmdRecords[Y])[X]; }
  std::unique_ptr<MatrixEditor> window;
};

TEST_P(GridTest, CursorKeysStopAtTheEdges) {
  MatrixEditor& w = Open();
  Key(w, vb::KeyLeft);
  Key(w, vb::KeyUp);
  EXPECT_EQ(w.CursorCol, 0);
  EXPECT_EQ(w.CursorRow, 0);
  for (int i = 0; i < 40; ++i) {
    Key(w, vb::KeyRight);
    Key(w, vb::KeyDown);
  }
  EXPECT_EQ(w.CursorCol, 31);
  EXPECT_EQ(w.CursorRow, 31);
  EXPECT_EQ(w.shpCursor.Left(), 620);
  EXPECT_EQ(w.shpCursor.Top(), 465);
  Key(w, vb::KeyLeft);
  Key(w, vb::KeyUp);
  EXPECT_EQ(w.shpCursor.Left(), 600);
  EXPECT_EQ(w.shpCursor.Top(), 450);
  for (int X = 0; X < 32; ++X) {
    for (int Y = 0; Y < 32; ++Y) {
      EXPECT_EQ(At(X, Y), 0) << X << "," << Y;  // moving alone writes nothing
    }
  }
}

TEST_P(GridTest, ShiftWithACursorKeyMovesThenWrites) {
  MatrixEditor& w = Open();
  w.lblInfo_Click(1);
  Key(w, vb::KeyRight, vb::ShiftMask);
  Key(w, vb::KeyRight, vb::ShiftMask);
  Key(w, vb::KeyDown);
  EXPECT_EQ(At(0, 0), 0);
  EXPECT_EQ(At(1, 0), 1);
  EXPECT_EQ(At(2, 0), 1);
  EXPECT_EQ(At(2, 1), 0);
  EXPECT_NE(CellPixel(w, 1, 0), CellPixel(w, 0, 0));
}

// Space and Shift alone write the chosen value and repaint every cell, also when the
// cursor cell already holds it.
TEST_P(GridTest, SpaceOrShiftAloneRewritesTheCellAndRepaintsAll) {
  MatrixEditor& w = Open();
  const std::uint32_t zero = CellPixel(w, 20, 20);
  for (int keyCode : {vb::KeySpace, 16}) {
    At(20, 20) = 1;  // behind the window's back
    EXPECT_EQ(CellPixel(w, 20, 20), zero);
    if (keyCode == vb::KeySpace) {
      Key(w, keyCode);
    } else {  // as the window system sends it: the press itself sets the modifier
      QTest::keyClick(w.picStatus.Widget()->focusProxy(), Qt::Key_Shift);
    }
    EXPECT_EQ(At(0, 0), 0) << keyCode;
    EXPECT_NE(CellPixel(w, 20, 20), zero) << keyCode;
    At(20, 20) = 0;
    w.RedrawAll(true);
  }
  w.lblInfo_Click(1);
  Key(w, vb::KeySpace);
  EXPECT_EQ(At(0, 0), 1);
}

TEST_P(GridTest, ClickWritesTheChosenValueAndMovesTheCursor) {
  MatrixEditor& w = Open();
  w.lblInfo_Click(1);
  EXPECT_TRUE(w.shpSel[1].Visible());
  EXPECT_FALSE(w.shpSel[0].Visible());
  ClickCell(w, 7, 12);
  EXPECT_EQ(At(7, 12), 1);
  EXPECT_EQ(w.CursorCol, 7);
  EXPECT_EQ(w.CursorRow, 12);
  EXPECT_EQ(w.shpCursor.Left(), 140);
  EXPECT_EQ(w.shpCursor.Top(), 180);
  w.lblInfo_Click(0);
  ClickCell(w, 7, 12);
  EXPECT_EQ(At(7, 12), 0);
  w.lblInfo_Click(1);
  testing_ui::MousePress(w.picStatus, 2, CellMiddleX(5), CellMiddleY(5));  // the right button
  testing_ui::MouseRelease(w.picStatus, 2, CellMiddleX(5), CellMiddleY(5));
  EXPECT_EQ(At(5, 5), 0);
  EXPECT_EQ(w.CursorCol, 7);
}

struct DragCase {
  int fromX, fromY, toX, toY;
};

// Every direction of a drag fills the rectangle with the press cell's value, whatever
// value is chosen.
TEST_P(GridTest, DragCopiesThePressCellOverTheRectangle) {
  for (const DragCase& d : {DragCase{2, 3, 5, 6}, DragCase{5, 6, 2, 3}, DragCase{5, 3, 2, 6},
                            DragCase{2, 6, 5, 3}, DragCase{9, 9, 9, 14}}) {
    CmdRecords = CommandRecordList{};
    At(d.fromX, d.fromY) = 1;
    At(8, 8) = 1;  // outside every rectangle
    MatrixEditor& w = Open();
    w.lblInfo_Click(0);
    Drag(w, d.fromX, d.fromY, d.toX, d.toY);
    for (int X = 0; X < 32; ++X) {
      for (int Y = 0; Y < 32; ++Y) {
        const bool inside = X >= std::min(d.fromX, d.toX) && X <= std::max(d.fromX, d.toX) &&
                            Y >= std::min(d.fromY, d.toY) && Y <= std::max(d.fromY, d.toY);
        EXPECT_EQ(At(X, Y), inside || (X == 8 && Y == 8) ? 1 : 0) << X << "," << Y;
      }
    }
    EXPECT_EQ(CellPixel(w, d.toX, d.toY), CellPixel(w, 8, 8));
    EXPECT_EQ(w.DragEndX, 0);
    EXPECT_EQ(w.DragEndY, 0);
  }
}

void DragOnScreen(QWindow* window, QPoint from, QPoint to) {
  QTest::mousePress(window, Qt::LeftButton, {}, from);
  QTest::mouseMove(window, to);
  QTest::mouseRelease(window, Qt::LeftButton, {}, to);
}

// The grid keeps the mouse while the button is held: the release far outside fills
// only the cells inside. Through the window system's own route.
TEST_P(GridTest, DragOutOfTheGridFillsOnlyCellsInside) {
  MatrixEditor& w = Open();
  At(30, 29) = 1;
  QWindow* screenWindow = w.Window()->windowHandle();
  ASSERT_NE(screenWindow, nullptr);
  QWidget* grid = w.picStatus.Widget()->focusProxy();
  const QPoint press = grid->mapTo(w.Window(), QPoint(CellMiddleX(30), CellMiddleY(29)));
  const QPoint outside = press + QPoint(400, 300);
  DragOnScreen(screenWindow, press, outside);
  EXPECT_EQ(At(31, 31), 1);
  EXPECT_EQ(At(30, 31), 1);
  EXPECT_EQ(At(31, 29), 1);
  EXPECT_EQ(At(29, 29), 0);
  EXPECT_EQ(At(30, 28), 0);
  At(2, 2) = 1;
  const QPoint inside = grid->mapTo(w.Window(), QPoint(CellMiddleX(2), CellMiddleY(2)));
  DragOnScreen(screenWindow, inside, inside - QPoint(300, 200));
  EXPECT_EQ(At(0, 0), 1);
  EXPECT_EQ(At(3, 3), 0);
}

// Back in the press cell after moving through others is a click; a release away from
// the press cell fills up to the cell of the band's last corner.
TEST_P(GridTest, ReleaseInThePressCellIsAClickAndTheFillEndsAtTheBand) {
  MatrixEditor& w = Open();
  w.lblInfo_Click(1);
  testing_ui::MousePress(w.picStatus, 1, CellMiddleX(4), CellMiddleY(4));
  testing_ui::MouseMoveTo(w.picStatus, 1, CellMiddleX(8), CellMiddleY(8));
  testing_ui::MouseMoveTo(w.picStatus, 1, CellMiddleX(4) + 3, CellMiddleY(4) + 3);
  testing_ui::MouseRelease(w.picStatus, 1, CellMiddleX(4) + 3, CellMiddleY(4) + 3);
  EXPECT_EQ(At(4, 4), 1);
  EXPECT_EQ(At(5, 5), 0);

  // The window system moves the mouse to a release point first; a release away from
  // the band's last corner comes only to the handler.
  for (int pressValue : {0, 1}) {
    At(10, 10) = static_cast<std::uint8_t>(pressValue);
    testing_ui::MousePress(w.picStatus, 1, CellMiddleX(10), CellMiddleY(10));
    testing_ui::MouseMoveTo(w.picStatus, 1, CellMiddleX(12), CellMiddleY(11));
    w.picStatus_MouseUp(1, 0, CellMiddleX(20), CellMiddleY(20));
    EXPECT_EQ(At(12, 11), pressValue);
  }
  EXPECT_EQ(At(13, 11), 0);
  EXPECT_EQ(At(20, 20), 0);
}

TEST_P(GridTest, DoubleClickActsAsTwoClicks) {
  MatrixEditor& w = Open();
  w.lblInfo_Click(1);
  QWidget* grid = w.picStatus.Widget()->focusProxy();
  const QPoint cell = grid->mapTo(w.Window(), QPoint(CellMiddleX(6), CellMiddleY(9)));
  int doubleClicks = 0;
  w.picStatus.DblClick = [&doubleClicks] { ++doubleClicks; };
  QTest::mouseDClick(w.Window()->windowHandle(), Qt::LeftButton, {}, cell);
  EXPECT_EQ(doubleClicks, 1);  // the window system saw a double click
  EXPECT_EQ(At(6, 9), 1);
  At(6, 9) = 0;
  QTest::mouseClick(w.Window()->windowHandle(), Qt::LeftButton, {}, cell);
  EXPECT_EQ(At(6, 9), 1);
  EXPECT_EQ(At(5, 9), 0);
  EXPECT_EQ(At(6, 8), 0);
}

// Two clicks close together in time and place, as the window system reports them: the
// second press comes as a double click.
void ClicksOfADoubleClick(QWindow* window, QPoint first, QPoint second) {
  for (const QPoint& at : {first, second}) {
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
      const Qt::MouseButtons held =
          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
      QTest::lastMouseTimestamp += 1;
      qt_handleMouseEvent(window, at, window->mapToGlobal(at), held, Qt::LeftButton, type, {},
                          QTest::lastMouseTimestamp);
    }
  }
  QTest::lastMouseTimestamp += QTest::mouseDoubleClickInterval;
  testing_ui::ProcessEvents();
}

// The second press of a double click sets the press point anew, also in the next cell:
// two clicks, each on its own cell, and no fill.
TEST_P(GridTest, DoubleClickOverACellEdgeClicksEachCell) {
  MatrixEditor& w = Open();
  w.lblInfo_Click(1);
  QWidget* grid = w.picStatus.Widget()->focusProxy();
  const QPoint first = grid->mapTo(w.Window(), QPoint(20 * 6 - 2, CellMiddleY(9)));
  ClicksOfADoubleClick(w.Window()->windowHandle(), first, first + QPoint(3, 0));
  EXPECT_EQ(w.CursorCol, 6);
  EXPECT_EQ(w.CursorRow, 9);
  for (int X = 0; X < 32; ++X) {
    for (int Y = 0; Y < 32; ++Y) {
      EXPECT_EQ(At(X, Y), Y == 9 && (X == 5 || X == 6) ? 1 : 0) << X << "," << Y;
    }
  }
}

// The band shows while the button is held and leaves nothing behind, also when a key
// repaints the grid during the drag.
TEST_P(GridTest, BandIsInvertedWhileDraggingAndLeavesNoTrace) {
  MatrixEditor& w = Open();
  const QImage clean = w.picStatus.Image();
  testing_ui::MousePress(w.picStatus, 1, 101, 51);
  testing_ui::MouseMoveTo(w.picStatus, 1, 301, 201);
  const QImage banded = w.picStatus.Image();
  EXPECT_EQ(banded.pixel(101, 101), clean.pixel(101, 101) ^ 0xFFFFFF);  // dotted edge
  EXPECT_EQ(banded.pixel(300, 100), clean.pixel(300, 100) ^ 0xFFFFFF);
  EXPECT_EQ(banded.pixel(101, 102), clean.pixel(101, 102));
  EXPECT_EQ(banded.pixel(200, 100), clean.pixel(200, 100));  // inside
  testing_ui::MouseRelease(w.picStatus, 1, 301, 201);
  // A drag, a drag with a key that repaints all, a return to the press cell (a click).
  for (int run = 0; run < 3; ++run) {
    testing_ui::MousePress(w.picStatus, 1, 101, 51);
    testing_ui::MouseMoveTo(w.picStatus, 1, 301, 201);
    if (run == 1) {
      Key(w, vb::KeySpace);
      EXPECT_EQ(w.picStatus.Image().pixel(300, 100), banded.pixel(300, 100));
    }
    const int endX = run == 2 ? 105 : 251;
    const int endY = run == 2 ? 55 : 151;
    testing_ui::MouseMoveTo(w.picStatus, 1, endX, endY);
    testing_ui::MouseRelease(w.picStatus, 1, endX, endY);
    const QImage released = w.picStatus.Image();
    w.RedrawAll(true);
    EXPECT_EQ(released, w.picStatus.Image()) << run;
  }
}

TEST_P(GridTest, BandLeftByALostReleaseGoesAtTheNextPress) {
  MatrixEditor& w = Open();
  const QImage clean = w.picStatus.Image();
  testing_ui::MousePress(w.picStatus, 1, 11, 11);
  testing_ui::MouseMoveTo(w.picStatus, 1, 201, 101);
  testing_ui::MousePress(w.picStatus, 1, 401, 301);
  testing_ui::MouseRelease(w.picStatus, 1, 401, 301);
  EXPECT_EQ(w.picStatus.Image(), clean);
}

// No mouse or key path writes outside the 32 x 32 cells of the window's matrix.
TEST_P(GridTest, RandomInputWritesOnlyTheWindowsMatrix) {
  std::mt19937 random(14);
  for (std::size_t r = 0; r < CmdRecords.size(); ++r) {
    for (std::size_t c = 0; c < kMatrixColumns; ++c) {
      CmdRecords[r].StatusMatrix[c] = static_cast<std::uint8_t>(random() % 4);
      CmdRecords[r].Filter1Matrix[c] = static_cast<std::uint8_t>(random() % 3);
      CmdRecords[r].Filter2Matrix[c] = static_cast<std::uint8_t>(random() % 3);
    }
    CmdRecords[r].BackAnswerNo = static_cast<std::uint8_t>(r);
  }
  auto withoutMatrix = [](CommandRecordList records) {
    for (CommandRecord& record : records) {
      GetParam().matrix(record).fill(0);
    }
    return records;
  };
  const CommandRecordList before = CmdRecords;
  MatrixEditor& w = Open();
  const int keys[] = {vb::KeyLeft, vb::KeyUp, vb::KeyRight, vb::KeyDown, vb::KeySpace, 16, 65};
  auto position = [&random] { return static_cast<int>(random() % 900) - 130; };
  for (int step = 0; step < 400; ++step) {
    w.lblInfo_Click(static_cast<int>(random() % static_cast<unsigned>(w.lblInfo.Count())));
    switch (random() % 3) {
      case 0:
        Key(w, keys[random() % std::size(keys)], static_cast<int>(random() % 8));
        break;
      case 1:
        testing_ui::MousePress(w.picStatus, 1, static_cast<int>(random() % 640),
                               static_cast<int>(random() % 480));
        testing_ui::MouseMoveTo(w.picStatus, 1, position(), position());
        testing_ui::MouseRelease(w.picStatus, 1, position(), position());
        break;
      default:
        ClickCell(w, static_cast<int>(random() % 32), static_cast<int>(random() % 32));
        break;
    }
  }
  EXPECT_TRUE(withoutMatrix(CmdRecords) == withoutMatrix(before));
  EXPECT_FALSE(CmdRecords == before);
}

INSTANTIATE_TEST_SUITE_P(Windows, GridTest, ::testing::ValuesIn(kEditors),
                         [](const auto& info) { return info.param.name; });

}  // namespace
