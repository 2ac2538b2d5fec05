#pragma once

#include <cstdint>
#include <string>

#include "controls/balloon_tool_tip.h"
#include "platform/ui/ui.h"

// The 32 x 32 grid on which a matrix of CmdRecords is edited in place: row r is
// record r, column c entry c of the Tx-COM1 list. Cells are 20 x 15 pixels, drawn
// into the grid's persistent image; the axis labels are drawn into the label area
// around it. Clicks and keys write SelValue, a drag copies the value of its first
// cell over a rectangle. The windows built on it say which matrix the cells are and
// how a value is filled.
class MatrixEditor : public platform::ui::Form {
 public:
  static constexpr int kCells = 32;
  static constexpr int kCellWidth = 20;
  static constexpr int kCellHeight = 15;

  // Writes SelValue into the cell when UserClick; repaints the cell, and the group
  // lines when DoPaintGrid. Cells outside 0..31 are left alone.
  void SetBorder(std::int32_t X, std::int32_t Y, bool UserClick = false, bool DoPaintGrid = false);
  void PaintGrid();
  void RedrawAll(bool SkipLabels);
  void DrawAxisLabels();

  void lblInfo_Click(int Index);
  void picStatus_KeyDown(int& KeyCode, int Shift);
  void picStatus_KeyUp(int& KeyCode, int Shift);
  void picStatus_MouseDown(int Button, int Shift, float X, float Y);
  void picStatus_MouseMove(int Button, int Shift, float X, float Y);
  void picStatus_MouseUp(int Button, int Shift, float X, float Y);
  void picHold_MouseMove(int Button, int Shift, float X, float Y);
  void lblSelInfo_MouseMove(int Button, int Shift, float X, float Y);
  void cmdOK_Click();

  // Controls. picHold carries the axis labels, picStatus is the grid inside it.
  platform::ui::PictureBox picHold{*this, "picHold"};
  platform::ui::PictureBox picStatus{picHold, "picStatus"};
  platform::ui::Shape shpCursor{picStatus, "shpCursor"};
  platform::ui::Label lblSelInfo{*this, "lblSelInfo"};
  platform::ui::Label lbl1{*this, "lbl1"};
  platform::ui::ControlArray<platform::ui::Label> lblInfo{"lblInfo"};
  platform::ui::ControlArray<platform::ui::Shape> shpSel{"shpSel"};
  platform::ui::CheckBox chkTip{*this, "chkTip"};
  platform::ui::CommandButton cmdOK{*this, "cmdOK"};

  // Window state, set afresh at every opening.
  std::int16_t SelValue = 0;
  std::int32_t CursorCol = 0;
  std::int32_t CursorRow = 0;
  std::int32_t DragOriginX = 0;
  std::int32_t DragOriginY = 0;
  std::int32_t DragEndX = 0;  // (0, 0): no band drawn since the last release
  std::int32_t DragEndY = 0;
  std::int32_t HoverCol = 0;
  std::int32_t HoverRow = 0;
  std::string HoverText;
  CBalloonToolTip ToolTip;

 protected:
  // One value label and its frame per value the window writes.
  MatrixEditor(std::string name, int valueCount);

  // The matrix byte of cell (row Y, column X), both 0..31.
  virtual std::uint8_t& Cell(std::int32_t X, std::int32_t Y) = 0;
  // The fill of the cell's box; false leaves the box unfilled.
  virtual bool CellFillColor(std::int32_t X, std::int32_t Y, std::uint32_t& Color) = 0;

  // The state of a new window: value 0 chosen, cursor on (0, 0), no band, no hover
  // text, both pictures cleared.
  void ResetWindowState();
  // The hover tip over the grid, with its title.
  void CreateHoverTip(const std::string& Title);
  void MoveCursorBox();

  void Form_Activate() override;
  void Form_MouseMove(int Button, int Shift, float X, float Y) override;

 private:
  // The rows' list by FilterSide.
  static std::string RowTitle();
  void LayOutGrid();
  // The band from the drag origin to (X, Y), inverted on the grid's image.
  void InvertBand(std::int32_t X, std::int32_t Y);
  void RemoveBand();
  void FillDragRectangle();
  void ShowHoverText(float X, float Y);
  // SelValue into the cursor cell, then all cells repainted when Repaint.
  void WriteCursorCell(bool Repaint);

  // The grid's image; the grid keeps its size, so the surface is taken once.
  platform::Canvas* grid_ = nullptr;
  // A band is on the grid's image (its far corner may be (0, 0)).
  bool bandShown_ = false;
  // Shift is down and no other key came since its press.
  bool shiftAlone_ = false;
};
