#include "platform/settings.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/files.h"

namespace platform {
namespace {

// Larger stores are junk; they read as empty.
constexpr std::size_t kMaxStoreBytes = 16 * 1024 * 1024;

struct Entry {
  std::string section;
  std::string key;
  std::string value;
};

std::string ConfigFolder() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  const char* home = std::getenv("HOME");
  return xdg != nullptr && xdg[0] == '/' ? std::string(xdg)
                                         : std::string(home != nullptr ? home : ".") + "/.config";
}

bool IsSafeFileNameChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == ' ' ||
         c == '(' || c == ')' || c == '-' || c == '_' || c == '.';
}

// Bytes that would break the line structure are written as \xHH.
std::string Escape(std::string_view text) {
  std::string out;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || c == '\\' || c == '=' || c == '[' || c == ']' || c == 0x7F) {
      char code[5];
      std::snprintf(code, sizeof code, "\\x%02X", byte);
      out += code;
    } else {
      out += c;
    }
  }
  return out;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9')
    return c - '0';
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  return -1;
}

std::string Unescape(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 3 < text.size() && text[i + 1] == 'x' &&
        HexValue(text[i + 2]) >= 0 && HexValue(text[i + 3]) >= 0) {
      out += static_cast<char>(HexValue(text[i + 2]) * 16 + HexValue(text[i + 3]));
      i += 3;
    } else {
      out += text[i];
    }
  }
  return out;
}

// False for a store that is there but cannot be read whole; a missing one reads as empty.
bool ReadStore(const std::string& path, std::vector<Entry>& entries) {
  entries.clear();
  std::string content;
  if (!ReadFileBytes(path, content, kMaxStoreBytes + 1)) {
    return errno == ENOENT;
  }
  if (content.size() > kMaxStoreBytes) {
    errno = EFBIG;
    return false;
  }
  std::string section;
  std::size_t start = 0;
  while (start < content.size()) {
    std::size_t end = content.find('\n', start);
    if (end == std::string::npos) {
      end = content.size();
    }
    std::string_view line(content.data() + start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') {
      line.remove_suffix(1);
    }
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      section = Unescape(line.substr(1, line.size() - 2));
      continue;
    }
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) {
      continue;
    }
    entries.push_back(
        {section, Unescape(line.substr(0, equals)), Unescape(line.substr(equals + 1))});
  }
  return true;
}

std::string WriteStore(const std::vector<Entry>& entries) {
  std::vector<std::string> sections;
  for (const Entry& entry : entries) {
    bool known = false;
    for (const std::string& section : sections) {
      known = known || section == entry.section;
    }
    if (!known) {
      sections.push_back(entry.section);
    }
  }
  std::string out;
  for (const std::string& section : sections) {
    out += '[';
    out += Escape(section);
    out += "]\n";
    for (const Entry& entry : entries) {
      if (entry.section == section) {
        out += Escape(entry.key) + "=" + Escape(entry.value) + "\n";
      }
    }
    out += "\n";
  }
  return out;
}

bool MakeFolders(const std::string& folder) {
  for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
    const std::string prefix = folder.substr(0, slash);
    if (!FolderExists(prefix) && !MakeFolder(prefix)) {
      return false;
    }
    if (slash == std::string::npos) {
      return true;
    }
  }
}

}  // namespace

std::string SettingsFilePath(const std::string& app) {
  std::string name;
  for (const char c : app) {
    name += IsSafeFileNameChar(c) ? c : '_';
  }
  if (name.empty() || name[0] == '.') {
    name = '_' + name;
  }
  return ConfigFolder() + "/" + name + ".ini";
}

std::string GetSetting(const std::string& app, const std::string& section, const std::string& key,
                       const std::string& defaultValue) {
  std::vector<Entry> entries;
  ReadStore(SettingsFilePath(app), entries);
  for (const Entry& entry : entries) {
    if (entry.section == section && entry.key == key) {
      return entry.value;
    }
  }
  return defaultValue;
}

bool SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                 const std::string& value) {
  const std::string path = SettingsFilePath(app);
  std::vector<Entry> entries;
  // Written over, a store that could not be read would lose every other setting.
  if (!ReadStore(path, entries)) {
    return false;
  }
  bool replaced = false;
  for (Entry& entry : entries) {
    if (entry.section == section && entry.key == key) {
      entry.value = value;
      replaced = true;
    }
  }
  if (!replaced) {
    entries.push_back({section, key, value});
  }
  return MakeFolders(ConfigFolder()) && WriteFileReplacing(path, WriteStore(entries));
}

}  // namespace platform
