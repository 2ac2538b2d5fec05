#pragma once

#include <optional>
#include <string>

namespace platform {

// Style bits of a message box, combined with |.
namespace mb {
inline constexpr int OkOnly = 0;
inline constexpr int OkCancel = 1;
inline constexpr int YesNoCancel = 3;
inline constexpr int YesNo = 4;
inline constexpr int Critical = 16;
inline constexpr int Question = 32;
inline constexpr int Exclamation = 48;
inline constexpr int Information = 64;
inline constexpr int SetForeground = 0x10000;
inline constexpr int ButtonMask = 0x0F;
inline constexpr int IconMask = 0x70;
}  // namespace mb

enum class MsgResult { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

struct MessageBoxCall {
  std::string prompt;  // Windows-1252
  int style = mb::OkOnly;
  std::optional<std::string> title;  // none: the application's default title
};

// The window layer shows the boxes; tests install a fake that answers them.
class MessageBoxPresenter {
 public:
  virtual ~MessageBoxPresenter() = default;
  virtual MsgResult Show(const MessageBoxCall& call) = 0;
};

// nullptr removes the presenter; without one every box answers Ok, No or Cancel.
void SetMessageBoxPresenter(MessageBoxPresenter* presenter);

MsgResult MsgBox(const std::string& prompt, int style = mb::OkOnly,
                 std::optional<std::string> title = std::nullopt);

}  // namespace platform
