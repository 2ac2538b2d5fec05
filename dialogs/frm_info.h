#pragma once

#include "platform/ui/ui.h"

// How to connect the module to the PC: with one PC port or with two.
class frmInfo : public platform::ui::Form {
 public:
  frmInfo();

  platform::ui::Frame Frame1{*this, "Frame1"};
  platform::ui::TextBox Text1{Frame1, "Text1", -1, true};
  platform::ui::PictureBox Pic1{Frame1, "Pic1"};
  platform::ui::TextBox Text2{Frame1, "Text2", -1, true};
  platform::ui::Frame Frame2{*this, "Frame2"};
  platform::ui::TextBox Text3{Frame2, "Text3", -1, true};
  platform::ui::PictureBox Picture1{Frame2, "Picture1"};
  platform::ui::Image Image1{*this, "Image1"};
  platform::ui::Label Label1{*this, "Label1"};
  platform::ui::Image Image2{*this, "Image2"};
  platform::ui::Label Label2{*this, "Label2"};
  platform::ui::Image Image3{*this, "Image3"};
  platform::ui::CommandButton Command1{*this, "Command1"};

  void Form_Load() override;
  void Command1_Click();
};
