#include "seriallink/module_search.h"

#include <algorithm>
#include <vector>

#include "platform/messagebox.h"
#include "project/flag_blocks.h"
#include "seriallink/send_code.h"
#include "texts/text_table.h"

namespace {

constexpr std::int16_t kSearchPolls = 20;
constexpr std::int16_t kListPolls = 100;
constexpr int kEntryCount = 32;
const std::string kAbsentPort = "----";
const std::string kFactoryStamp = "20060000000000";
constexpr TextKey kModuleNotFoundKey = 534;

// One list of a side: its progress label, the percentage shown for entry 0, and
// the error texts of the entry and of its flag block (0: the list has none).
struct ResetList {
  const char* letter;
  TextKey label;
  int percentOffset;
  TextKey entryError;
  TextKey flagsError;
};

constexpr ResetList kSideALists[] = {
    {"A", 681, 1, 682, 683}, {"B", 684, 32, 685, 0}, {"C", 686, 64, 687, 688}};
constexpr ResetList kSideBLists[] = {{"D", 689, 32, 690, 0}, {"E", 691, 32, 692, 0}};

bool IsBlank(const std::string& text) {
  return text.find_first_not_of(' ') == std::string::npos;
}

// The block that makes command i set status bit i and clear all others.
std::string FactoryFlagsFor(const std::string& letter, int index) {
  if (letter == "C") {
    return EncodeFlagsC(MatrixRow{}, 0);
  }
  MatrixRow status;
  status.fill(kStatusClear);
  status[static_cast<std::size_t>(index)] = kStatusSet;
  return EncodeFlagsA(status, MatrixRow{}, 0, 0);
}

void ShowResetError(TextKey key) {
  platform::MsgBox(LangText[key] + "\r\n" + gsErrorCauses,
                   platform::mb::Critical | platform::mb::SetForeground, AppTitle);
}

// 0 when every entry was written, else the key of the error text.
TextKey ResetLists(const std::string& port, const std::string& speed, bool sideA,
                   const TransferProgressControls& progress) {
  const auto lists = sideA ? std::vector<ResetList>(std::begin(kSideALists), std::end(kSideALists))
                           : std::vector<ResetList>(std::begin(kSideBLists), std::end(kSideBLists));
  for (const ResetList& list : lists) {
    for (int i = 0; i < kEntryCount; ++i) {
      progress.ProgressBar1.SetPosition(progress.ProgressBar1.Position() + 1);
      progress.lblTransfer1.SetCaption(LangText[list.label] + " " + std::to_string(i));
      progress.lblTransferStatus.SetCaption(std::to_string(i + list.percentOffset) + " %");
      if (WriteListEntry(port, speed, list.letter, i, kEmptyEntryText, kListPolls).empty()) {
        return list.entryError;
      }
      if (list.flagsError != 0 &&
          WriteEntryFlags(port, speed, list.letter, i, FactoryFlagsFor(list.letter, i), kListPolls)
              .empty()) {
        return list.flagsError;
      }
    }
  }
  return 0;
}

}  // namespace

std::string FindModulePort(ListControl& portList, ListControl& speedList, int& startIndex) {
  const int portCount = portList.ListCount();
  for (int p = std::max(startIndex, 0); p < portCount; ++p) {
    portList.SetListIndex(p);
    if (portList.Text() == kAbsentPort) {
      continue;
    }
    for (int b = 0; b < speedList.ListCount(); ++b) {
      speedList.SetListIndex(b);
      const std::string version =
          ReadModuleVersion(portList.Text(), speedList.Text(), kSearchPolls);
      if (!version.empty()) {
        startIndex = p + 1;
        return version;
      }
    }
  }
  if (portList.ListCount() > 0) {
    portList.SetListIndex(0);
  }
  if (speedList.ListCount() > 0) {
    speedList.SetListIndex(0);
  }
  return kModuleNotFound;
}

void FactoryResetModule(const std::string& sPortItem, const std::string& sSpeed, bool bSideA,
                        std::int16_t iPollCount, const TransferProgressControls& progress) {
  if (IsBlank(ReadModuleVersion(sPortItem, sSpeed, iPollCount)) ||
      IsBlank(ReadModuleSide(sPortItem, sSpeed, iPollCount))) {
    // Nothing was sent: the user must not take the New question that follows for a
    // finished reset.
    ShowResetError(kModuleNotFoundKey);
    return;
  }
  progress.ProgressBar1.SetMax(100);
  progress.ProgressBar1.SetMin(0);
  progress.ProgressBar1.SetPosition(0);
  progress.lblTransferStatus.SetCaption("0 %");
  progress.lblTransferWarn.SetVisible(true);

  TextKey error = ResetLists(sPortItem, sSpeed, bSideA, progress);
  if (error == 0 && !SetPortSettings(sPortItem, sSpeed, 9, 0, "N", kFactoryStamp, iPollCount)) {
    error = 693;
  }
  if (error != 0) {
    ShowResetError(error);
  }
  progress.lblTransferStatus.SetCaption("0 %");
  progress.ProgressBar1.SetPosition(0);
  progress.lblTransfer1.SetCaption(LangText[694]);
  progress.lblTransferWarn.SetVisible(false);
}
