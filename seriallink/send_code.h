#pragma once

#include <cstdint>
#include <string>

// The module's command protocol. No operation shows a message: no or no
// acceptable answer comes back as the empty text or false.

// True when the last version answer reported module release 5 or later.
extern bool gbModuleFw5;

// Sent in place of an empty command; the module never stores an empty entry.
inline const std::string kEmptyEntryText = "empty entry";
// The answer of WriteEntryFlags and ReadListEntry when the module answered for
// another entry.
inline const std::string kWrongEntryAnswer = "ERROR READ IDNUMBER";

std::string ReadModuleVersion(const std::string& sPortItem, const std::string& sSpeed,
                              std::int16_t iPollCount);

// "A" (module COM1) or "B" (module COM2), else the empty text.
std::string ReadModuleSide(const std::string& sPortItem, const std::string& sSpeed,
                           std::int16_t iPollCount);

// Fills what the answer names; the rest keeps the caller's values.
bool ReadPortSettings(const std::string& sPortItem, const std::string& sSpeed,
                      std::int32_t& lBaudCode, std::int32_t& lHandshake, std::string& sParity,
                      std::string& sDateStamp, std::int16_t iPollCount);

// Refuses bad values before anything is sent.
bool SetPortSettings(const std::string& sPortItem, const std::string& sSpeed,
                     std::int32_t lBaudCode, std::int32_t lHandshake, const std::string& sParity,
                     const std::string& sDateStamp, std::int16_t iPollCount);

std::string SendDateStamp(const std::string& sPortItem, const std::string& sSpeed,
                          const std::string& sDateStamp, std::int16_t iPollCount);

// sData: the raw bytes of the command (1 to 256). The echoed data or empty.
std::string WriteListEntry(const std::string& sPortItem, const std::string& sSpeed,
                           const std::string& sList, std::int32_t lIndex, const std::string& sData,
                           std::int16_t iPollCount);

std::string WriteEntryFlags(const std::string& sPortItem, const std::string& sSpeed,
                            const std::string& sList, std::int32_t lIndex,
                            const std::string& sFlags, std::int16_t iPollCount);

std::string ReadListEntry(const std::string& sPortItem, const std::string& sSpeed,
                          const std::string& sList, std::int32_t lIndex, std::int16_t iPollCount);
