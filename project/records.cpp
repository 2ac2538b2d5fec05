#include "project/records.h"

#include "project/date_stamp.h"
#include "project/flag_blocks.h"

ProjectHeader ProjHeader;
CommandRecordList CmdRecords;

namespace {

constexpr std::int32_t kBaud9600 = 9;

CommandRecord NewRecord(std::size_t index) {
  CommandRecord record;
  for (CommandText* command : {&record.RxCom1Cmd, &record.TxCom1BackCmd, &record.TxCom1Cmd,
                               &record.TxCom2Cmd, &record.RxCom2Cmd}) {
    command->Set("");
  }
  for (CommandName* name : {&record.RxCom1Info, &record.TxCom1BackInfo, &record.TxCom1Info,
                            &record.TxCom2Info, &record.RxCom2Info}) {
    name->Set("");
  }
  // Each command sets its own status bit and clears every other one.
  record.StatusMatrix.fill(kStatusClear);
  record.StatusMatrix[index] = kStatusSet;
  return record;
}

}  // namespace

void SetNewProjectValues() {
  for (std::size_t i = 0; i < CmdRecords.size(); ++i) {
    CmdRecords[i] = NewRecord(i);
  }
  ProjHeader.Com1Baud = kBaud9600;
  ProjHeader.Com2Baud = kBaud9600;
  ProjHeader.Com1Parity.Set("N");
  ProjHeader.Com2Parity.Set("N");
  ProjHeader.Com1Handshake = 0;
  ProjHeader.Com2Handshake = 0;
  ProjHeader.FileInfo.Set("");
  ProjHeader.SaveStamp.Set(GetDateStamp());
}
