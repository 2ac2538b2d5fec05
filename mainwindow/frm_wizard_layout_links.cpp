#include "mainwindow/frm_wizard.h"

// Designed layout of the two link pages: the signal-flow picture on top, the four
// rows of entries below it with their scroll bar. Page 3 has no back-answer column.

namespace {

constexpr int kRowLeft = 4;
constexpr int kRowTop = 32;
constexpr int kRowPitch = 94;
constexpr int kLinkLeft = 508;  // the link column of a row
constexpr int kScrollLeft = 810;
constexpr int kArrowSize = 22;

// The page arrows stand at the ends of the scroll bar, whose own arrow buttons lie
// beyond the edges of the list and are cut off, so that one pair of arrows shows.
void LayoutEditList(ui::PictureBox& editList, ui::CommandButton& statusButton,
                    ui::VScrollBar& scroll, ui::ControlArray<ui::Image>& upDown) {
  constexpr int kListHeight = 410;
  constexpr int kCutOff = 16;  // more than the height of a scroll bar's arrow button
  editList.Move(8, 150, 837, kListHeight);
  statusButton.Move(4, 4, 160, 24);
  scroll.Move(kScrollLeft, -kCutOff, kArrowSize, kListHeight + 2 * kCutOff);
  scroll.SetMin(0);
  scroll.SetMax(7);
  scroll.SetSmallChange(1);
  scroll.SetLargeChange(1);
  upDown[0].Move(kScrollLeft, 0, kArrowSize, kArrowSize);
  upDown[1].Move(kScrollLeft, kListHeight - kArrowSize, kArrowSize, kArrowSize);
  upDown[0].SetVisible(false);  // the first page is on show
}

// A number label and its name label in a signal-flow picture.
void LayoutFlowLabels(ui::Label& number, ui::Label& name, int left, int top) {
  number.Move(left, top, 44, 16);
  number.SetFontBold(true);
  name.Move(left + 44, top, 168, 16);
  number.SetTransparent(true);
  name.SetTransparent(true);
}

void LayoutEntryColumn(ui::Label& number, ui::Label& nameLabel, ui::TextBox& name,
                       ui::Label& commandLabel, ui::Label& asciiLabel, ui::TextBox& ascii,
                       ui::Label& hexLabel, ui::TextBox& hex) {
  number.Move(4, 4, 30, 22);
  number.SetFontSize(12);
  number.SetFontBold(true);
  nameLabel.Move(36, 6, 90, 16);
  name.Move(128, 4, 340, 20);
  commandLabel.Move(36, 28, 430, 16);
  commandLabel.SetFontBold(true);
  asciiLabel.Move(36, 50, 44, 16);
  ascii.Move(82, 48, 386, 20);
  hexLabel.Move(36, 72, 44, 16);
  hex.Move(82, 70, 386, 20);
}

void LayoutLink(ui::Image& arrow, ui::Label& caption, ui::ComboBox& list,
                ui::CommandButton& listButton, int top) {
  arrow.Move(kLinkLeft - 32, top + 20, 28, 16);
  caption.Move(kLinkLeft, top, 260, 16);
  list.Move(kLinkLeft, top + 18, 256, 22);
  listButton.Move(kLinkLeft + 260, top + 18, 26, 22);
}

}  // namespace

// The places match the lanes drawn into the page pictures: page 2 has the incoming
// command and its COM2 link on top, the same command and its back answer below.
void frmWizard::LayoutLinkPage2() {
  PicInfo1.Move(8, 4, 580, 140);
  PicInfo1.SetBorderStyle(1);
  LayoutFlowLabels(lblListNr[0], lblListNrEx[0], 12, 8);
  LayoutFlowLabels(lblListNr[1], lblListNrEx[1], 360, 8);
  LayoutFlowLabels(lblListNr[2], lblListNrEx[2], 12, 40);
  LayoutFlowLabels(lblListNr[3], lblListNrEx[3], 12, 94);
  ImgReg1.Move(304, 40);
  ImgClean1.Move(352, 4);
  ImgClean2.Move(6, 78);
  ImgClean3.Move(80, 78);
  ImgClean4.Move(154, 78);
  ImgReg2.Move(150, 72);
  for (ui::Image* picture : {&ImgReg2, &ImgClean1, &ImgClean2, &ImgClean3, &ImgClean4}) {
    picture->SetVisible(false);
  }
  cmdFilter1B.Move(594, 40, 252, 30);
  LayoutEditList(picEditList, cmdStatusList2, VScroll1, imgUpDownList);

  for (int r = 0; r <= 3; ++r) {
    ui::PictureBox& row = picListgrp.Add(picEditList, r);
    row.Move(kRowLeft, kRowTop + r * kRowPitch, 800, 92);
    row.SetBorderStyle(1);
    LayoutEntryColumn(lblNumber.Add(row, r), lblInfo.Add(row, r), txtInfo.Add(row, r),
                      lbl1.Add(row, r), lblASC.Add(row, r), txtUserASC.Add(row, r),
                      lblHEX.Add(row, r), txtUserHEX.Add(row, r));
    LayoutLink(Arrow2.Add(row, 2 * r), lbl3.Add(row, r), cmbBackAnswer.Add(row, r),
               cmdListBack.Add(row, r), 4);
    LayoutLink(Arrow2.Add(row, 2 * r + 1), lbl2.Add(row, r), cmbTransTo.Add(row, r),
               cmdListTo.Add(row, r), 48);
  }
}

// The command arrives on COM2 (right) and leaves on COM1 (left).
void frmWizard::LayoutLinkPage3() {
  PicInfo2.Move(8, 4, 580, 140);
  PicInfo2.SetBorderStyle(1);
  LayoutFlowLabels(lblListNr2[1], lblListNr2Ex[1], 360, 34);
  LayoutFlowLabels(lblListNr2[0], lblListNr2Ex[0], 12, 34);
  ImgClean5.Move(4, 30);
  ImgReg3.Move(150, 40);
  ImgReg3.SetVisible(false);
  ImgClean5.SetVisible(false);
  cmdFilter2B.Move(594, 40, 252, 30);
  LayoutEditList(picEditList2, cmdStatusList3, VScroll2, imgUpDownList2);

  for (int r = 0; r <= 3; ++r) {
    ui::PictureBox& row = picListgrp.Add(picEditList2, 4 + r);
    row.Move(kRowLeft, kRowTop + r * kRowPitch, 800, 92);
    row.SetBorderStyle(1);
    LayoutEntryColumn(lblNumber2.Add(row, r), lblInfo2.Add(row, r), txtInfo2.Add(row, r),
                      lbl12.Add(row, r), lblASC2.Add(row, r), txtUserASC2.Add(row, r),
                      lblHEX2.Add(row, r), txtUserHEX2.Add(row, r));
    LayoutLink(Arrow1.Add(row, r), lbl22.Add(row, r), cmbTransTo2.Add(row, r),
               cmdListTo2.Add(row, r), 26);
  }
}
