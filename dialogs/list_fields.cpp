#include "dialogs/list_fields.h"

#include <algorithm>

std::optional<ListFields> FieldsOf(CommandRecord& record, int kind) {
  switch (kind) {
    case 1:
      return ListFields{&record.RxCom1Len, &record.RxCom1Cmd, &record.RxCom1Info};
    case 2:
      return ListFields{&record.TxCom1BackLen, &record.TxCom1BackCmd, &record.TxCom1BackInfo};
    case 3:
      return ListFields{&record.TxCom1Len, &record.TxCom1Cmd, &record.TxCom1Info};
    case 4:
      return ListFields{&record.TxCom2Len, &record.TxCom2Cmd, &record.TxCom2Info};
    case 5:
      return ListFields{&record.RxCom2Len, &record.RxCom2Cmd, &record.RxCom2Info};
    default:
      return std::nullopt;
  }
}

bool IsEditorCommand(std::int16_t len, const std::string& cmd) {
  return len >= 0 && len <= kMaxShownDigits && static_cast<int>(cmd.size()) == len &&
         std::all_of(cmd.begin(), cmd.end(),
                     [](char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); });
}

namespace {

bool CommandDiffers(const ListFields& fields, const std::string& cmd) {
  const auto len = static_cast<std::int16_t>(cmd.size());
  return *fields.Len != len || fields.Cmd->Left(len) != cmd;
}

}  // namespace

bool FieldsDiffer(const ListFields& fields, const std::string& info, const std::string& cmd,
                  bool withCommand) {
  return fields.Info->Read() != info || (withCommand && CommandDiffers(fields, cmd));
}

void StoreFields(const ListFields& fields, const std::string& info, const std::string& cmd,
                 bool withCommand, NameStore nameStore) {
  if (nameStore == NameStore::Padded || fields.Info->Read() != info) {
    fields.Info->Set(info);
  }
  if (withCommand && CommandDiffers(fields, cmd)) {
    fields.Cmd->Set(cmd);
    *fields.Len = static_cast<std::int16_t>(cmd.size());
  }
}
