#include <algorithm>
#include <cmath>

#include "dialogs/matrix_editor.h"
#include "project/drawing.h"
#include "project/program_state.h"
#include "project/records.h"

namespace ui = platform::ui;

namespace {

constexpr int kLastCell = MatrixEditor::kCells - 1;

// Far beyond any screen; keeps whole-number conversions of a position in range.
constexpr double kPositionLimit = 1e8;

double Bounded(double value) {
  return std::isnan(value) ? 0 : std::clamp(value, -kPositionLimit, kPositionLimit);
}

std::int32_t NearestPixel(float value) {
  return static_cast<std::int32_t>(std::nearbyint(Bounded(value)));
}

// The cell a position falls in, rounded down: -1 left of or above the grid.
std::int32_t CellOf(double position, int cellSize) {
  return static_cast<std::int32_t>(std::floor(Bounded(position) / cellSize));
}

bool IsCursorKey(int KeyCode) {
  return KeyCode >= ui::vb::KeyLeft && KeyCode <= ui::vb::KeyDown;
}

// Space writes the chosen value, and so does a cursor key with Shift, Ctrl or Alt held,
// which paints a line. Any other key writes nothing, with or without a shift key (Ctrl+C,
// Alt+Tab, Shift+Tab, an access key). Shift alone writes too; it is known to be alone
// only at its release (see picStatus_KeyUp).
bool WritesCell(int KeyCode, int Shift) {
  return KeyCode == ui::vb::KeySpace || (Shift != 0 && IsCursorKey(KeyCode));
}

bool InGrid(std::int32_t X, std::int32_t Y) {
  return X >= 0 && X <= kLastCell && Y >= 0 && Y <= kLastCell;
}

// The hover text on one line: its line break as nine blanks.
std::string OnOneLine(std::string text) {
  const std::size_t lineBreak = text.find("\r\n");
  if (lineBreak != std::string::npos) {
    text.replace(lineBreak, 2, std::string(9, ' '));
  }
  return text;
}

}  // namespace

void MatrixEditor::picStatus_KeyDown(int& KeyCode, int Shift) {
  if (KeyCode == ui::vb::KeyShift) {
    shiftAlone_ = (Shift & (ui::vb::CtrlMask | ui::vb::AltMask)) == 0;
    return;
  }
  // A line painted with Shift starts on the cell where Shift went down.
  if (shiftAlone_ && IsCursorKey(KeyCode)) {
    WriteCursorCell(false);
  }
  shiftAlone_ = false;
  switch (KeyCode) {
    case ui::vb::KeyLeft:
      CursorCol -= CursorCol >= 1 ? 1 : 0;
      MoveCursorBox();
      break;
    case ui::vb::KeyRight:
      CursorCol += CursorCol < kLastCell ? 1 : 0;
      MoveCursorBox();
      break;
    case ui::vb::KeyUp:
      CursorRow -= CursorRow >= 1 ? 1 : 0;
      MoveCursorBox();
      break;
    case ui::vb::KeyDown:
      CursorRow += CursorRow < kLastCell ? 1 : 0;
      MoveCursorBox();
      break;
    default:
      break;
  }
  if (WritesCell(KeyCode, Shift)) {
    WriteCursorCell(true);
  }
}

// Shift released with no other key pressed since it went down.
void MatrixEditor::picStatus_KeyUp(int& KeyCode, int) {
  if (KeyCode == ui::vb::KeyShift && shiftAlone_) {
    shiftAlone_ = false;
    WriteCursorCell(true);
  }
}

void MatrixEditor::WriteCursorCell(bool Repaint) {
  if (InGrid(CursorCol, CursorRow)) {
    Cell(CursorCol, CursorRow) = static_cast<std::uint8_t>(SelValue);
  }
  if (Repaint) {
    RedrawAll(true);
  }
}

void MatrixEditor::picStatus_MouseDown(int Button, int, float X, float Y) {
  if (Button != ui::vb::LeftButton) {
    return;
  }
  // A band whose release never arrived goes before the origin moves.
  RemoveBand();
  DragOriginX = NearestPixel(X);
  DragOriginY = NearestPixel(Y);
  CursorCol = CellOf(X, kCellWidth);
  CursorRow = CellOf(Y, kCellHeight);
  MoveCursorBox();
}

void MatrixEditor::picStatus_MouseMove(int Button, int, float X, float Y) {
  HoverCol = CellOf(X, kCellWidth);
  HoverRow = CellOf(Y, kCellHeight);
  if (InGrid(HoverCol, HoverRow)) {
    ShowHoverText(X, Y);
  }
  if (Button == ui::vb::LeftButton) {
    RemoveBand();
    DragEndX = NearestPixel(X);
    DragEndY = NearestPixel(Y);
    InvertBand(DragEndX, DragEndY);
    bandShown_ = true;
    picStatus.Refresh();
  }
}

void MatrixEditor::picStatus_MouseUp(int Button, int, float X, float Y) {
  if (Button != ui::vb::LeftButton) {
    return;
  }
  SetMousePointer(ui::MousePointer::Hourglass);
  RemoveBand();
  picStatus.Refresh();
  const std::int32_t pressCol = CellOf(DragOriginX, kCellWidth);
  const std::int32_t pressRow = CellOf(DragOriginY, kCellHeight);
  const std::int32_t releaseCol = CellOf(X, kCellWidth);
  const std::int32_t releaseRow = CellOf(Y, kCellHeight);
  if (releaseCol != pressCol || releaseRow != pressRow) {
    FillDragRectangle();
    RedrawAll(true);
  } else {
    SetBorder(releaseCol, releaseRow, true, true);
  }
  DragEndX = 0;
  DragEndY = 0;
  SetMousePointer(ui::MousePointer::Default);
}

// The rectangle from the press cell to the cell of the band's last corner takes the
// press cell's value; only its cells inside the grid are written.
void MatrixEditor::FillDragRectangle() {
  const std::int32_t c0 = CellOf(DragOriginX, kCellWidth);
  const std::int32_t r0 = CellOf(DragOriginY, kCellHeight);
  const std::int32_t c1 = CellOf(DragEndX, kCellWidth);
  const std::int32_t r1 = CellOf(DragEndY, kCellHeight);
  if (!InGrid(c0, r0)) {
    return;
  }
  const std::uint8_t value = Cell(c0, r0);
  const std::int32_t firstCol = std::max(std::min(c0, c1), 0);
  const std::int32_t lastCol = std::min(std::max(c0, c1), kLastCell);
  const std::int32_t firstRow = std::max(std::min(r0, r1), 0);
  const std::int32_t lastRow = std::min(std::max(r0, r1), kLastCell);
  for (std::int32_t c = firstCol; c <= lastCol; ++c) {
    for (std::int32_t r = firstRow; r <= lastRow; ++r) {
      Cell(c, r) = value;
    }
  }
}

void MatrixEditor::InvertBand(std::int32_t X, std::int32_t Y) {
  DrawFocusRectangle(grid_, DragOriginX, DragOriginY, X, Y);
}

void MatrixEditor::RemoveBand() {
  if (bandShown_) {
    InvertBand(DragEndX, DragEndY);
    bandShown_ = false;
  }
}

void MatrixEditor::ShowHoverText(float X, float Y) {
  const CommandRecord& row = CmdRecords[static_cast<std::size_t>(HoverRow)];
  const CommandRecord& column = CmdRecords[static_cast<std::size_t>(HoverCol)];
  const CommandName& rowName = FilterSide == 1 ? row.RxCom2Info : row.RxCom1Info;
  HoverText = RowTitle() + ": " + std::to_string(HoverRow + 1) + ". " + rowName.Read() +
              "\r\nTx-COM1: " + std::to_string(HoverCol + 1) + ". " + column.TxCom1Info.Read();
  lblSelInfo.SetCaption(OnOneLine(HoverText));
  if (chkTip.Value() == ui::vb::Checked) {
    ToolTip.SetEnabled(true);
    ToolTip.Show(NearestPixel(X), NearestPixel(Y));
    ToolTip.SetTipText(HoverText);
  }
}

void MatrixEditor::Form_MouseMove(int, int, float, float) {
  ToolTip.SetEnabled(false);
}

void MatrixEditor::picHold_MouseMove(int, int, float, float) {
  ToolTip.SetEnabled(false);
}

void MatrixEditor::lblSelInfo_MouseMove(int, int, float, float) {
  ToolTip.SetEnabled(false);
}
