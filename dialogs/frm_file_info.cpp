#include "dialogs/frm_file_info.h"

#include "project/records.h"
#include "texts/form_texts.h"
#include "texts/text_table.h"

frmFileInfo::frmFileInfo() : Form("frmFileInfo") {
  SetCaption("Projektbeschreibung");
  SetClientSize(480, 330);
  FrameDescription.Move(8, 6, 464, 280);
  txtDescription.Move(10, 20, 444, 250);
  cmdOk.Move(280, 296, 90, 26);
  cmdCancel.Move(380, 296, 90, 26);
  cmdCancel.SetCancel(true);
  cmdOk.Click = [this] { cmdOk_Click(); };
  cmdCancel.Click = [this] { cmdCancel_Click(); };
}

// A field that was never assigned holds NULs; the box shows the text before them.
void frmFileInfo::Form_Load() {
  SetFormTexts(*this, LanguageID == 0);
  txtDescription.SetText(ProjHeader.FileInfo.Read());
}

// Padded with blanks to the field's 2048 characters, or cut after them.
void frmFileInfo::cmdOk_Click() {
  ProjHeader.FileInfo.Set(txtDescription.Text());
  Unload();
}

void frmFileInfo::cmdCancel_Click() {
  Unload();
}
