#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "project/records.h"

// The fields of one list in a record.
struct ListFields {
  std::int16_t* Len;
  CommandText* Cmd;
  CommandName* Info;
};

// The fields of list `kind` (1 Rx-COM1, 2 back answers, 3 Tx-COM1, 4 Tx-COM2,
// 5 Rx-COM2) in record; none for another kind.
std::optional<ListFields> FieldsOf(CommandRecord& record, int kind);

// The most hex digits a HEX box shows: 31 pairs.
inline constexpr int kMaxShownDigits = 62;

// Whether a command as stored (its first Len digits) is one the editor would store
// itself: 0..62 upper-case hex digits.
bool IsEditorCommand(std::int16_t len, const std::string& cmd);

// Whether writing info and, with withCommand, cmd would change what the fields hold as
// readers see them.
bool FieldsDiffer(const ListFields& fields, const std::string& info, const std::string& cmd,
                  bool withCommand);

// How a name is written: in its padded form whenever the field's bytes differ from that
// (a row the user stores), or only when the value readers see differs (a row stored
// because a page was shown, so showing it leaves a name never set as NULs).
enum class NameStore { Padded, ValueChanged };

// Writes info by nameStore and, with withCommand, cmd and its length into the fields, the
// command only when it differs from what they hold, so a row stored unchanged keeps
// every byte of it.
void StoreFields(const ListFields& fields, const std::string& info, const std::string& cmd,
                 bool withCommand, NameStore nameStore);
