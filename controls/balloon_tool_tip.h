#pragma once

#include <QFont>
#include <cstdint>
#include <memory>
#include <string>

#include "controls/tip_window.h"

// A tool tip with a title, an icon and a text that the owner changes as the mouse
// moves, shown where the owner says. Colours are Windows colour values (0: not set).
class CBalloonToolTip {
 public:
  explicit CBalloonToolTip(TipWindowFactory factory = CreateQtTipWindow);
  CBalloonToolTip(const CBalloonToolTip&) = delete;
  CBalloonToolTip& operator=(const CBalloonToolTip&) = delete;
  ~CBalloonToolTip();

  std::int32_t VisibleTime() const { return VisibleTime_; }
  void SetVisibleTime(std::int32_t lData) { VisibleTime_ = lData; }
  std::int32_t DelayTime() const { return DelayTime_; }
  void SetDelayTime(std::int32_t lData) { DelayTime_ = lData; }
  std::int32_t Icon() const { return Icon_; }
  void SetIcon(std::int32_t vData);
  std::shared_ptr<const QFont> TipFont() const { return TipFont_; }
  void SetTipFont(std::shared_ptr<const QFont> vData);
  std::int32_t ForeColor() const { return ForeColor_; }
  void SetForeColor(std::int32_t vData);
  const std::string& Title() const { return Title_; }
  void SetTitle(const std::string& vData);
  bool PopupOnDemand() const { return PopupOnDemand_; }
  void SetPopupOnDemand(bool vData) { PopupOnDemand_ = vData; }
  std::int32_t BackColor() const { return BackColor_; }
  void SetBackColor(std::int32_t vData);
  const std::string& TipText() const { return TipText_; }
  void SetTipText(const std::string& vData);
  std::int32_t Style() const { return Style_; }
  void SetStyle(std::int32_t vData) { Style_ = vData; }
  bool Centered() const { return Centered_; }
  void SetCentered(bool vData) { Centered_ = vData; }

  // (X, Y) in hWndClient's coordinates; without hWndClient they are screen coordinates.
  void Show(std::int32_t X = 0, std::int32_t Y = 0, QWidget* hWndClient = nullptr);
  // Replaces any tip window; true when the new one was made.
  bool CreateToolTip(QWidget* ParentHwnd);
  void Destroy();

  // False while there is no tip window, whatever was set.
  bool Enabled() const;
  void SetEnabled(bool NewState);

 private:
  void SendTitle();

  TipWindowFactory factory_;
  bool Enabled_ = false;
  std::int32_t BackColor_ = 0;
  std::string Title_;
  std::int32_t ForeColor_ = 0;
  std::int32_t Icon_ = 0;
  bool Centered_ = false;
  std::int32_t Style_ = 0;
  std::string TipText_;
  std::int32_t VisibleTime_ = 5000;
  std::int32_t DelayTime_ = 500;
  bool PopupOnDemand_ = false;
  std::unique_ptr<TipWindow> tipWindow_;
  QWidget* ParentHwnd_ = nullptr;
  ToolInfo tool_;
  std::shared_ptr<const QFont> TipFont_;
};
