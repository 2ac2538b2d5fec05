#include "mainwindow/wizard_device_controls.h"

#include "platform/messagebox.h"
#include "texts/text_table.h"

void ShowDeviceError(const std::string& text) {
  platform::MsgBox(text + "\r\n" + gsErrorCauses,
                   platform::mb::Critical | platform::mb::SetForeground, AppTitle);
}
