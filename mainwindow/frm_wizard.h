#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "controls/progress_bar.h"
#include "dialogs/frm_file_info.h"
#include "dialogs/frm_filter.h"
#include "dialogs/frm_info.h"
#include "dialogs/frm_status.h"
#include "dialogs/frm_test.h"
#include "platform/messagebox.h"
#include "platform/ui/ui.h"
#include "project/project_file.h"
#include "project/recent_files.h"
#include "project/shown_command.h"
#include "texts/text_table.h"

namespace ui = platform::ui;

// The main window: a wizard of five pages (start page, interface parameters and lists,
// links COM1 to COM2, links COM2 to COM1, transfer) with a common frame of navigation
// and file buttons. The program lives and ends with it.
class frmWizard : public ui::Form, public RecentFileMenu {
 public:
  frmWizard();
  ~frmWizard() override;

  // Window state. Code that fills controls from the project sets IsLoading (port
  // parameters) or IsRefreshing (link rows) so that their handlers store nothing.
  bool IsLoading = false;
  std::int16_t WizardPage = 0;
  bool IsRefreshing = false;
  bool SideADataOk = false;
  bool SideBDataOk = false;
  std::int32_t HoverEntryNo = 0;

  // Window level.
  ui::TextBox lblInfotext{*this, "lblInfotext", -1, true};
  ui::PictureBox PicCtrl{*this, "PicCtrl"};
  ui::ControlArray<ui::CommandButton> cmdNavi{"cmdNavi"};
  ui::Label lblFileOption{PicCtrl, "lblFileOption"};
  ui::CommandButton cmdNew{PicCtrl, "cmdNew"};
  ui::ControlArray<ui::CommandButton> cmdLoadSave{PicCtrl, "cmdLoadSave", 0, 1};
  ui::CommandButton cmdRecentFileList{PicCtrl, "cmdRecentFileList"};
  ui::CommandButton CmdFileInfo{PicCtrl, "CmdFileInfo"};
  ui::CommandButton CmdHelp{*this, "CmdHelp"};
  ui::ControlArray<ui::PictureBox> MainPic{*this, "MainPic", 0, 4};
  ui::Frame FrameTransfer{*this, "FrameTransfer"};
  ProgressBar ProgressBar1{FrameTransfer, "ProgressBar1"};
  ui::ControlArray<ui::Image> imgInfoCom{FrameTransfer, "imgInfoCom", 0, 1};
  ui::Label lblTransfer1{FrameTransfer, "lblTransfer1"};
  ui::Label lblTransferWarn{FrameTransfer, "lblTransferWarn"};
  ui::Label lblTransferStatus{FrameTransfer, "lblTransferStatus"};
  ui::Frame FrameTop{*this, "FrameTop"};
  ui::Frame FrameButtom{*this, "FrameButtom"};
  ui::Image ImgLogo{*this, "ImgLogo"};
  ui::Image imgBanner{*this, "imgBanner"};
  ui::Label lblVeldran{*this, "lblVeldran"};
  ui::Label lblCaption1{*this, "lblCaption1"};
  ui::Label lblCaption2{*this, "lblCaption2"};
  ui::Menu mnuRFileList{*this, "mnuRFileList"};
  ui::ControlArray<ui::MenuItem> mnuRecentFileList{mnuRFileList, "mnuRecentFileList", 0, 4};
  ui::Menu mnuLanguage{*this, "mnuLanguage"};
  ui::ControlArray<ui::MenuItem> mnuLanguageList{mnuLanguage, "mnuLanguageList", 0, 4};

  // Page 0, the start page.
  ui::PictureBox PicPelvaron{MainPic[0], "PicPelvaron"};
  ui::PictureBox PicGermany{MainPic[0], "PicGermany"};
  ui::PictureBox PicStemp{MainPic[0], "PicStemp"};
  ui::PictureBox PicMIG{MainPic[0], "PicMIG"};
  ui::PictureBox PicGermanyMini{MainPic[0], "PicGermanyMini"};
  ui::PictureBox PicGermanyShow{MainPic[0], "PicGermanyShow"};
  ui::TextBox txtInfoAdress{MainPic[0], "txtInfoAdress", -1, true};
  ui::Label Label1{MainPic[0], "Label1"};
  ui::Image imgFlag{MainPic[0], "imgFlag"};
  ui::Label lblVersionInfo{MainPic[0], "lblVersionInfo"};
  ui::Label lblWeb{MainPic[0], "lblWeb"};
  ui::Label lblWebQm{MainPic[0], "lblWebQm"};
  ui::Label lblEmail{MainPic[0], "lblEmail"};

  // Page 1: module search, port parameters, list buttons.
  ui::Frame Frame1{MainPic[1], "Frame1"};
  ui::CheckBox chkTwoPort{Frame1, "chkTwoPort"};
  ui::CommandButton CmdFactory{Frame1, "CmdFactory"};
  ui::CommandButton cmdSearchCom{Frame1, "cmdSearchCom"};
  ui::Label lblRunFind{Frame1, "lblRunFind"};
  ui::PictureBox PicPortParameter{Frame1, "PicPortParameter"};
  ui::ComboBox Combo1{PicPortParameter, "Combo1"};
  ui::ComboBox Combo2{PicPortParameter, "Combo2"};
  ui::Label lblModulVersionView{PicPortParameter, "lblModulVersionView"};
  ui::Label lblModulDateView{PicPortParameter, "lblModulDateView"};
  ui::ControlArray<ui::Label> lblCom{PicPortParameter, "lblCom", 0, 0};
  ui::Frame FrameParameter{MainPic[1], "FrameParameter"};
  ui::Label Label2{FrameParameter, "Label2"};
  ui::Label Label3{FrameParameter, "Label3"};
  ui::Label Label4{FrameParameter, "Label4"};
  ui::Image ImgParameter1{FrameParameter, "ImgParameter1"};
  ui::Image ImgParameter2{FrameParameter, "ImgParameter2"};
  ui::Label lblCom1Parameter{FrameParameter, "lblCom1Parameter"};
  ui::Label lblCom2Parameter{FrameParameter, "lblCom2Parameter"};
  ui::Label lblBaudCom1{FrameParameter, "lblBaudCom1"};
  ui::Label lblBaudCom2{FrameParameter, "lblBaudCom2"};
  ui::Label lblParityCom1{FrameParameter, "lblParityCom1"};
  ui::Label lblParityCom2{FrameParameter, "lblParityCom2"};
  ui::ComboBox Combo3{FrameParameter, "Combo3"};
  ui::ComboBox Combo4{FrameParameter, "Combo4"};
  ui::CheckBox chkHandshakeCom1{FrameParameter, "chkHandshakeCom1"};
  ui::ComboBox Combo5{FrameParameter, "Combo5"};
  ui::ComboBox Combo6{FrameParameter, "Combo6"};
  ui::CheckBox chkHandshakeCom2{FrameParameter, "chkHandshakeCom2"};
  ui::Frame FrameList{MainPic[1], "FrameList"};
  ui::Label lblListCaption{FrameList, "lblListCaption"};
  ui::ControlArray<ui::CommandButton> cmdList{FrameList, "cmdList", 0, 4};
  ui::ControlArray<ui::Label> lblListCmdInfo{FrameList, "lblListCmdInfo", 0, 3};

  // Page 2: links COM1 to COM2. Row r lies in picListgrp(r).
  ui::PictureBox PicInfo1{MainPic[2], "PicInfo1"};
  ui::ControlArray<ui::Label> lblListNr{PicInfo1, "lblListNr", 0, 3};
  ui::ControlArray<ui::Label> lblListNrEx{PicInfo1, "lblListNrEx", 0, 3};
  ui::Image ImgReg1{PicInfo1, "ImgReg1"};
  ui::Image ImgReg2{PicInfo1, "ImgReg2"};
  ui::Image ImgClean1{PicInfo1, "ImgClean1"};
  ui::Image ImgClean2{PicInfo1, "ImgClean2"};
  ui::Image ImgClean3{PicInfo1, "ImgClean3"};
  ui::Image ImgClean4{PicInfo1, "ImgClean4"};
  ui::CommandButton cmdFilter1B{MainPic[2], "cmdFilter1B"};
  ui::PictureBox picEditList{MainPic[2], "picEditList"};
  ui::CommandButton cmdStatusList2{picEditList, "cmdStatusList2"};
  ui::VScrollBar VScroll1{picEditList, "VScroll1"};
  ui::ControlArray<ui::Image> imgUpDownList{picEditList, "imgUpDownList", 0, 1};
  ui::ControlArray<ui::PictureBox> picListgrp{"picListgrp"};
  ui::ControlArray<ui::Label> lblNumber{"lblNumber"};
  ui::ControlArray<ui::TextBox> txtInfo{"txtInfo"};
  ui::ControlArray<ui::TextBox> txtUserASC{"txtUserASC"};
  ui::ControlArray<ui::TextBox> txtUserHEX{"txtUserHEX"};
  ui::ControlArray<ui::ComboBox> cmbTransTo{"cmbTransTo"};
  ui::ControlArray<ui::CommandButton> cmdListTo{"cmdListTo"};
  ui::ControlArray<ui::ComboBox> cmbBackAnswer{"cmbBackAnswer"};
  ui::ControlArray<ui::CommandButton> cmdListBack{"cmdListBack"};
  ui::ControlArray<ui::Label> lbl1{"lbl1"};
  ui::ControlArray<ui::Label> lbl2{"lbl2"};
  ui::ControlArray<ui::Label> lbl3{"lbl3"};
  ui::ControlArray<ui::Label> lblInfo{"lblInfo"};
  ui::ControlArray<ui::Label> lblHEX{"lblHEX"};
  ui::ControlArray<ui::Label> lblASC{"lblASC"};
  ui::ControlArray<ui::Image> Arrow2{"Arrow2"};

  // Page 3: links COM2 to COM1. Row r lies in picListgrp(4 + r).
  ui::PictureBox PicInfo2{MainPic[3], "PicInfo2"};
  ui::ControlArray<ui::Label> lblListNr2{PicInfo2, "lblListNr2", 0, 1};
  ui::ControlArray<ui::Label> lblListNr2Ex{PicInfo2, "lblListNr2Ex", 0, 1};
  ui::Image ImgReg3{PicInfo2, "ImgReg3"};
  ui::Image ImgClean5{PicInfo2, "ImgClean5"};
  ui::CommandButton cmdFilter2B{MainPic[3], "cmdFilter2B"};
  ui::PictureBox picEditList2{MainPic[3], "picEditList2"};
  ui::CommandButton cmdStatusList3{picEditList2, "cmdStatusList3"};
  ui::VScrollBar VScroll2{picEditList2, "VScroll2"};
  ui::ControlArray<ui::Image> imgUpDownList2{picEditList2, "imgUpDownList2", 0, 1};
  ui::ControlArray<ui::Label> lblNumber2{"lblNumber2"};
  ui::ControlArray<ui::TextBox> txtInfo2{"txtInfo2"};
  ui::ControlArray<ui::TextBox> txtUserASC2{"txtUserASC2"};
  ui::ControlArray<ui::TextBox> txtUserHEX2{"txtUserHEX2"};
  ui::ControlArray<ui::ComboBox> cmbTransTo2{"cmbTransTo2"};
  ui::ControlArray<ui::CommandButton> cmdListTo2{"cmdListTo2"};
  ui::ControlArray<ui::Label> lbl12{"lbl12"};
  ui::ControlArray<ui::Label> lbl22{"lbl22"};
  ui::ControlArray<ui::Label> lblInfo2{"lblInfo2"};
  ui::ControlArray<ui::Label> lblHEX2{"lblHEX2"};
  ui::ControlArray<ui::Label> lblASC2{"lblASC2"};
  ui::ControlArray<ui::Image> Arrow1{"Arrow1"};

  // Page 4: transfer.
  ui::Frame Frame4{MainPic[4], "Frame4"};
  ui::CommandButton CmdTransmit{Frame4, "CmdTransmit"};
  ui::CheckBox chkOnlyParameter{Frame4, "chkOnlyParameter"};
  ui::CheckBox chkTwoPort2{Frame4, "chkTwoPort2"};
  ui::CheckBox chkAutosave{Frame4, "chkAutosave"};
  ui::CommandButton cmdShowAutosave{Frame4, "cmdShowAutosave"};
  ui::Label lblFindModul{Frame4, "lblFindModul"};
  ui::Label lblComSideinfo{Frame4, "lblComSideinfo"};

  // The small windows of the main window.
  frmFileInfo FileInfoWindow;
  frmInfo InfoWindow;
  frmTest TestWindow;
  frmFilter FilterWindow;
  frmStatus StatusWindow;

  // Start-up and shutdown.
  void Form_Load() override;
  void Form_Unload(int& Cancel) override;

  // Pages and navigation.
  void cmdNavi_Click(int Index);
  void ShowWizardPage(std::int16_t& Page);
  void SetPageTabOrder(std::int16_t Page);

  // Port parameters and interface settings.
  void FillComPortList(ui::ComboBox& cbo);
  void ShowCom1Parameters();
  void ShowCom2Parameters();
  void Combo1_Click();
  void Combo3_Click();
  void Combo4_Click();
  void Combo5_Click();
  void Combo6_Click();
  // The value each handshake box was last given or stored: only another value is the
  // user's, so a key that toggles nothing (the Tab that brings the focus) stores nothing.
  int HandshakeShownCom1 = 0;
  int HandshakeShownCom2 = 0;
  void chkHandshakeCom1_MouseUp(int Button, int Shift, float X, float Y);
  void chkHandshakeCom1_KeyUp(int& KeyCode, int Shift);
  void chkHandshakeCom2_MouseUp(int Button, int Shift, float X, float Y);
  void chkHandshakeCom2_KeyUp(int& KeyCode, int Shift);
  void chkTwoPort_Click();
  void chkTwoPort2_Click();

  // Device flows: read-back, factory reset and transfer.
  void cmdSearchCom_Click();
  void CmdFactory_Click();
  void CmdTransmit_Click();

  // New project.
  void cmdNew_Click();
  void cmdShowAutosave_Click();
  void RefreshListPages();

  // The list editor for a whole list.
  void cmdList_Click(int Index);
  // Opens the list editor for ListKind; when it closes, both link pages show the
  // records, so every combo lists the edited names.
  void EditListAndShowLinkPages();

  // Link page 2 (COM1 to COM2): row r shows record VScroll1 x 4 + r.
  std::array<ShownCommand, 4> HexShown1{};  // what each row's HEX box was given
  void ShowLinkPage1();
  void StoreLinkRow1(int Row);
  void txtInfo_KeyPress(int Index, int& KeyAscii);
  void txtInfo_Edited(int Index);
  void txtUserASC_KeyPress(int Index, int& KeyAscii);
  void txtUserASC_Edited(int Index);
  void txtUserHEX_KeyPress(int Index, int& KeyAscii);
  void txtUserHEX_Change(int Index);
  void txtUserHEX_Edited(int Index);
  void txtUserHEX_KeyUp(int Index, int& KeyCode, int Shift);
  void txtUserHEX_DblClick(int Index);
  void txtUserHEX_LostFocus(int Index);
  void cmbBackAnswer_Click(int Index);
  void cmbTransTo_Click(int Index);
  void cmdListBack_Click(int Index);
  void cmdListTo_Click(int Index);
  void VScroll1_Change();
  void imgUpDownList_Click(int Index);

  // Link page 3 (COM2 to COM1): row r shows record VScroll2 x 4 + r.
  std::array<ShownCommand, 4> HexShown2{};
  void ShowLinkPage2();
  void StoreLinkRow2(int Row);
  void txtInfo2_KeyPress(int Index, int& KeyAscii);
  void txtInfo2_Edited(int Index);
  void txtUserASC2_KeyPress(int Index, int& KeyAscii);
  void txtUserASC2_Edited(int Index);
  void txtUserHEX2_KeyPress(int Index, int& KeyAscii);
  void txtUserHEX2_Change(int Index);
  void txtUserHEX2_Edited(int Index);
  void txtUserHEX2_KeyUp(int Index, int& KeyCode, int Shift);
  void txtUserHEX2_DblClick(int Index);
  void txtUserHEX2_LostFocus(int Index);
  void cmbTransTo2_Click(int Index);
  void cmdListTo2_Click(int Index);
  void VScroll2_Change();
  void imgUpDownList2_Click(int Index);

  // The signal-flow picture of the row under the mouse: Index 0..3 page 2, 4..7 page 3.
  void picListgrp_MouseMove(int Index, int Button, int Shift, float X, float Y);

  // Start page, links and cursors.
  void SetHandCursors();
  void PicGermanyShow_MouseDown(int Button, int Shift, float X, float Y);
  void PicGermanyShow_MouseUp(int Button, int Shift, float X, float Y);
  void CmdHelp_Click();
  void lblEmail_Click();
  void lblWeb_Click();
  void lblWebQm_Click();
  void imgFlag_Click();
  void mnuLanguageList_Click(int Index);

  // Project files: load, save, recent files and the autosave copies.
  void cmdLoadSave_Click(int Index);
  void cmdRecentFileList_Click();
  void mnuRecentFileList_Click(int Index);
  // The autosave copy as the whole project; false when it was refused.
  bool LoadProjectFile(std::string sFile);
  // Only the description and the names of the autosave copy; false when it was refused
  // (told to the user) or sFile is blank.
  bool LoadDescriptionsFromFile(std::string sFile);
  // The autosave copy of the time stamp sDate, or "" when there is none.
  std::string IsAutosaveFileExists(std::string sDate);

  // Language menu.
  void SetLanguageMenu();

  // Dialog buttons.
  void CmdFileInfo_Click();
  void cmdFilter1B_Click();
  void cmdFilter2B_Click();
  void cmdStatusList2_Click();
  void cmdStatusList3_Click();

  // RecentFileMenu: the items of mnuRFileList.
  void SetItemVisible(int index, bool visible) override;
  void SetItemCaption(int index, const std::string& caption) override;

 private:
  void LayoutWindowFrame();
  void LayoutStartPage();
  void LayoutPage1();
  void LayoutLinkPage2();
  void LayoutLinkPage3();
  void LayoutPage4();
  void LoadPictures();
  void DrawStartPageLogos();
  void ClearLogoCorner();
  void ConnectStartPageHandlers();
  void ConnectNavigationHandlers();
  void ConnectPortParameterHandlers();
  void ConnectNewProjectHandlers();
  void ConnectDeviceFlowHandlers();
  void ConnectProjectFileHandlers();
  void ConnectListButtonHandlers();
  void ConnectDialogButtonHandlers();
  void ConnectLinkPage2Handlers();
  void ConnectLinkPage3Handlers();
  void ConnectHoverHandlers();
  // The project just read into the controls, both sides marked present.
  void ShowLoadedProject();
  void SaveProjectAs(const std::string& path);
  // Right after the read, while errno tells why: WrongFileKey for a file that is no whole
  // project file, text 607 with the path and the system's reason for one not read.
  void ShowRefusedFile(ProjectFileRead Result, TextKey WrongFileKey, const std::string& Path);
  // The text, the path and the system's reason; critical unless another icon is given.
  static void ShowFileError(TextKey Key, const std::string& Path, int Error,
                            int Icon = platform::mb::Critical);
  // The loaded message with the path, then the description box when there is one.
  void ShowLoadedMessages(TextKey LoadedKey, TextKey DescriptionKey, const std::string& Path);
  // The read-back: one pass over the module found next, and the lists of its side.
  struct ReadBackRun;
  enum class ReadBackPassEnd { Done, LeavePasses, EndRun };
  ReadBackPassEnd ReadBackPass(ReadBackRun& Run);
  // True when the user took the autosave copy of the module's stamp as the project.
  bool OfferAutosaveCopy(ReadBackRun& Run);
  void ReadModuleLists(const std::string& Side, bool& Ok);
  // One pass of the transfer to the module found; false after an error box.
  bool TransmitPass(bool FirstPass);
  bool TransmitLists(bool SideA);
  void SetStartPageState();
  // lblFileOption and the file buttons, in the order the navigation hides them.
  std::array<ui::Control*, 6> FileButtons();
  void FillParameterLists();
  void SetRowInputLimits();
};
