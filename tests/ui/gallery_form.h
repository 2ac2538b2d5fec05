#pragma once

#include "controls/progress_bar.h"
#include "platform/ui/ui.h"

namespace platform::ui {

// One control of every kind, some inside containers: drawn to a PNG for a look and
// driven by the input tests.
class frmGallery : public Form {
 public:
  frmGallery() : Form("frmGallery") {
    SetCaption("Gallery");
    SetClientSize(420, 300);
    lblInfo.Move(10, 10, 190, 20);
    lblInfo.SetCaption("Label 1252: \xE4\xF6\xFC \x80");
    txtName.Move(10, 35, 180, 22);
    txtName.SetText("Text box");
    txtNotes.Move(10, 62, 180, 50);
    txtNotes.SetText("Multi-line\r\ntext box");
    cmdOK.Move(10, 120, 80, 26);
    cmdOK.SetCaption("&Ok");
    chkOn.Move(100, 120, 90, 26);
    chkOn.SetCaption("Check box");
    chkOn.SetValue(vb::Checked);
    Combo1.Move(10, 155, 180, 24);
    for (const char* item : {"9600", "19200"}) {
      Combo1.AddItem(item);
    }
    Combo1.SetListIndex(1);
    List1.Move(10, 185, 180, 60);
    List1.AddItem("List item 1");
    List1.AddItem("List item 2");
    Frame1.Move(200, 10, 210, 90);
    Frame1.SetCaption("Frame");
    shpSel.Move(10, 25, 100, 40);
    shpSel.SetBorderColor(RGB(255, 0, 0));
    shpSel.SetBorderWidth(2);
    lblInFrame.Move(120, 25, 80, 20);
    lblInFrame.SetCaption("Label in frame");
    picGrid.Move(200, 110, 150, 100);
    txtInPicture.Move(60, 5, 50, 40);
    txtInPicture.SetText("one\r\ntwo\r\nthree\r\nfour");
    picGrid.SetBorderStyle(1);
    picGrid.SetBackColor(RGB(255, 255, 255));
    VScroll1.Move(360, 110, 18, 100);
    VScroll1.SetMax(7);
    imgFlag.Move(200, 220, 24, 16);
    QImage flag(24, 16, QImage::Format_RGB32);
    flag.fill(QColor(0, 0, 255));
    imgFlag.SetPicture(Picture(flag));
    ProgressBar1.Move(10, 255, 180, 20);
    ProgressBar1.ReadProperties({{"Smooth", -1}, {"BorderStyle", 2}});
    ProgressBar1.SetPosition(60);
  }
  Label lblInfo{*this, "lblInfo"};
  TextBox txtName{*this, "txtName"};
  TextBox txtNotes{*this, "txtNotes", -1, true};
  CommandButton cmdOK{*this, "cmdOK"};
  CheckBox chkOn{*this, "chkOn"};
  ComboBox Combo1{*this, "Combo1"};
  ListBox List1{*this, "List1"};
  Frame Frame1{*this, "Frame1"};
  Shape shpSel{Frame1, "shpSel"};
  Label lblInFrame{Frame1, "lblInFrame"};
  PictureBox picGrid{*this, "picGrid"};
  TextBox txtInPicture{picGrid, "txtInPicture", -1, true};
  VScrollBar VScroll1{*this, "VScroll1"};
  Image imgFlag{*this, "imgFlag"};
  ProgressBar ProgressBar1{*this, "ProgressBar1"};
};

}  // namespace platform::ui
