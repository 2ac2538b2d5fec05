#include "dialogs/matrix_editor.h"

#include "platform/colors.h"
#include "project/drawing.h"
#include "project/program_state.h"

namespace ui = platform::ui;
using platform::RGB;

namespace {

// Where the grid lies in the label area.
constexpr int kGridLeft = 128;
constexpr int kGridTop = 104;
constexpr int kGridWidth = MatrixEditor::kCells * MatrixEditor::kCellWidth;
constexpr int kGridHeight = MatrixEditor::kCells * MatrixEditor::kCellHeight;
constexpr int kGroupSize = 4;  // cells per block between group lines

constexpr std::uint32_t kMeshColor = RGB(224, 224, 224);
constexpr std::uint32_t kGroupLineColor = RGB(192, 192, 192);
constexpr std::uint32_t kLabelColor = RGB(0, 0, 0);

}  // namespace

std::string MatrixEditor::RowTitle() {
  return FilterSide == 1 ? "Rx-COM2" : "Rx-COM1";
}

MatrixEditor::MatrixEditor(std::string name, int valueCount) : Form(std::move(name)) {
  for (int i = 0; i < valueCount; ++i) {
    lblInfo.Add(*this, i);
  }
  for (int i = 0; i < valueCount; ++i) {
    shpSel.Add(*this, i);
  }
  LayOutGrid();
  SetEscapeCloses(true);
  grid_ = &picStatus.Canvas();
  picStatus.SetToolTipText("");
  lblInfo.Click = [this](int Index) { lblInfo_Click(Index); };
  picStatus.KeyDown = [this](int& KeyCode, int Shift) { picStatus_KeyDown(KeyCode, Shift); };
  picStatus.KeyUp = [this](int& KeyCode, int Shift) { picStatus_KeyUp(KeyCode, Shift); };
  picStatus.MouseDown = [this](int Button, int Shift, float X, float Y) {
    picStatus_MouseDown(Button, Shift, X, Y);
  };
  picStatus.MouseMove = [this](int Button, int Shift, float X, float Y) {
    picStatus_MouseMove(Button, Shift, X, Y);
  };
  picStatus.MouseUp = [this](int Button, int Shift, float X, float Y) {
    picStatus_MouseUp(Button, Shift, X, Y);
  };
  picHold.MouseMove = [this](int Button, int Shift, float X, float Y) {
    picHold_MouseMove(Button, Shift, X, Y);
  };
  lblSelInfo.MouseMove = [this](int Button, int Shift, float X, float Y) {
    lblSelInfo_MouseMove(Button, Shift, X, Y);
  };
  cmdOK.Click = [this] { cmdOK_Click(); };
}

// The controls both windows place alike; the value labels and the buttons below
// the grid are placed by each window.
void MatrixEditor::LayOutGrid() {
  picHold.Move(0, 0, 775, 590);
  picHold.SetFontName("Arial");
  picHold.SetFontSize(8.25);
  picStatus.Move(kGridLeft, kGridTop, kGridWidth + 2, kGridHeight + 2);
  picStatus.SetBorderStyle(1);
  picStatus.SetTabStop(true);  // the cursor keys and Space work the grid
  picStatus.SetBackColor(RGB(255, 255, 255));
  shpCursor.Move(0, 0, kCellWidth, kCellHeight);
  shpCursor.SetBorderColor(RGB(128, 128, 255));
  for (ui::Control* bold : {static_cast<ui::Control*>(&lblSelInfo),
                            static_cast<ui::Control*>(&lbl1), static_cast<ui::Control*>(&cmdOK)}) {
    bold->SetFontSize(8.25);
    bold->SetFontBold(true);
  }
  lblSelInfo.SetWordWrap(false);  // one line, cut at the window's edge
  lblInfo.ForEach([](ui::Label& label) {
    label.SetAlignment(ui::Alignment::Center);
    label.SetFontSize(9.75);
    label.SetFontBold(true);
  });
  shpSel.ForEach([](ui::Shape& frame) {
    frame.SetBorderColor(RGB(255, 0, 0));
    frame.SetBorderWidth(2);
  });
}

void MatrixEditor::ResetWindowState() {
  SelValue = 0;
  shpSel.ForEach([](ui::Shape& frame) { frame.SetVisible(false); });
  shpSel[0].SetVisible(true);
  CursorCol = 0;
  CursorRow = 0;
  MoveCursorBox();
  DragOriginX = DragOriginY = DragEndX = DragEndY = 0;
  bandShown_ = false;
  shiftAlone_ = false;
  HoverCol = HoverRow = 0;
  HoverText.clear();
  picHold.Cls();
  picStatus.Cls();
}

void MatrixEditor::CreateHoverTip(const std::string& Title) {
  ToolTip.SetStyle(0);
  ToolTip.SetIcon(1);
  ToolTip.SetTitle(Title);
  ToolTip.SetPopupOnDemand(false);
  ToolTip.SetDelayTime(100);
  ToolTip.SetVisibleTime(30000);
  picStatus.SetToolTipText("");
  ToolTip.CreateToolTip(picStatus.Widget());
}

void MatrixEditor::MoveCursorBox() {
  shpCursor.Move(kCellWidth * CursorCol, kCellHeight * CursorRow);
}

void MatrixEditor::SetBorder(std::int32_t X, std::int32_t Y, bool UserClick, bool DoPaintGrid) {
  if (X < 0 || X >= kCells || Y < 0 || Y >= kCells) {
    return;
  }
  if (UserClick) {
    Cell(X, Y) = static_cast<std::uint8_t>(SelValue);
  }
  platform::Canvas& grid = *grid_;
  const int left = kCellWidth * X;
  const int top = kCellHeight * Y;
  const int right = left + kCellWidth;
  const int bottom = top + kCellHeight;
  // The outline runs on the box's four edges, right and bottom included; a filled box
  // takes two calls: the outline colour over the whole box, then the fill inside.
  std::uint32_t color = 0;
  if (CellFillColor(X, Y, color)) {
    grid.FillRect(left, top, right + 1, bottom + 1, kMeshColor);
    grid.FillRect(left + 1, top + 1, right, bottom, color);
  } else {
    grid.FillRect(left, top, right + 1, top + 1, kMeshColor);
    grid.FillRect(left, bottom, right + 1, bottom + 1, kMeshColor);
    grid.FillRect(left, top, left + 1, bottom + 1, kMeshColor);
    grid.FillRect(right, top, right + 1, bottom + 1, kMeshColor);
  }
  if (DoPaintGrid) {
    PaintGrid();
  }
}

// Blocks of 4 x 4 cells; no line at the far edges.
void MatrixEditor::PaintGrid() {
  platform::Canvas& grid = *grid_;
  for (int i = 0; i < kCells; i += kGroupSize) {
    grid.DrawLine(kCellWidth * i, 0, kCellWidth * i, kGridHeight, kGroupLineColor);
  }
  for (int j = 0; j < kCells; j += kGroupSize) {
    grid.DrawLine(0, kCellHeight * j, kGridWidth, kCellHeight * j, kGroupLineColor);
  }
}

void MatrixEditor::RedrawAll(bool SkipLabels) {
  SetMousePointer(ui::MousePointer::Hourglass);
  for (std::int32_t X = 0; X < kCells; ++X) {
    for (std::int32_t Y = 0; Y < kCells; ++Y) {
      SetBorder(X, Y);
    }
  }
  PaintGrid();
  // A drag in progress keeps its band over the new cells.
  if (bandShown_) {
    InvertBand(DragEndX, DragEndY);
  }
  if (!SkipLabels) {
    DrawAxisLabels();
  }
  picHold.Refresh();
  SetMousePointer(ui::MousePointer::Default);
}

void MatrixEditor::DrawAxisLabels() {
  constexpr int L = kGridLeft;
  constexpr int T = kGridTop;
  namespace dt = platform::dt;
  picHold.SetFontBold(true);
  picHold.SetFontSize(9);
  DrawTextInRect(&picHold.Canvas(), RowTitle(), 5, T - 15, L - 5, 15, kLabelColor, dt::Left);
  PrintRotatedText(picHold.Canvas(), L - 15, T - 15, 90, 12, "Tx-COM1");
  picHold.SetFontBold(false);
  picHold.SetFontSize(8);
  platform::Canvas& labels = picHold.Canvas();
  for (std::int16_t i = 0; i < kCells; ++i) {
    const int left = L + kCellWidth * i;
    DrawTextInRect(&labels, std::to_string(i + 1), left, T - 12, kCellWidth, 15, kLabelColor,
                   dt::Center);
    PrintRotatedText(labels, left + 2, T - 15, 90, 10, GetCommandLabel(i, true));
  }
  for (std::int16_t j = 0; j < kCells; ++j) {
    const int top = T + kCellHeight * j + 2;
    DrawTextInRect(&labels, std::to_string(j + 1), 1, top, L - 5, 15, kLabelColor, dt::Right);
    DrawTextInRect(&labels, GetCommandLabel(j, false), 5, top, L - 5, 15, kLabelColor, dt::Left);
  }
}

void MatrixEditor::lblInfo_Click(int Index) {
  SelValue = static_cast<std::int16_t>(Index);
  shpSel.ForEach([](ui::Shape& frame) { frame.SetVisible(false); });
  shpSel[Index].SetVisible(true);
}

void MatrixEditor::Form_Activate() {
  picStatus.SetFocus();
}

void MatrixEditor::cmdOK_Click() {
  Unload();
}
