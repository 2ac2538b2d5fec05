#include "controls/balloon_tool_tip.h"

#include <QWidget>

namespace {

int ToolFlags(bool centered, bool popupOnDemand) {
  if (popupOnDemand) {
    return centered ? ttf::IdIsHwnd | ttf::CenterTip | ttf::Track
                    : ttf::IdIsHwnd | ttf::Track | ttf::Transparent;
  }
  return centered ? ttf::IdIsHwnd | ttf::CenterTip | ttf::Subclass : ttf::IdIsHwnd | ttf::Subclass;
}

}  // namespace

CBalloonToolTip::CBalloonToolTip(TipWindowFactory factory) : factory_(std::move(factory)) {}

CBalloonToolTip::~CBalloonToolTip() {
  Destroy();
}

void CBalloonToolTip::SendTitle() {
  tipWindow_->SetTitle(Icon_, Title_);
}

void CBalloonToolTip::SetIcon(std::int32_t vData) {
  Icon_ = vData;
  if (tipWindow_ && !Title_.empty() && Icon_ != 0) {
    SendTitle();
  }
}

void CBalloonToolTip::SetTitle(const std::string& vData) {
  Title_ = vData;
  if (tipWindow_ && !Title_.empty() && Icon_ != 0) {
    SendTitle();
  }
}

void CBalloonToolTip::SetTipFont(std::shared_ptr<const QFont> vData) {
  TipFont_ = std::move(vData);
  if (tipWindow_ && TipFont_) {
    tipWindow_->SetFont(*TipFont_, true);
  }
}

void CBalloonToolTip::SetForeColor(std::int32_t vData) {
  ForeColor_ = vData;
  if (tipWindow_) {
    tipWindow_->SetTipTextColor(ForeColor_);
  }
}

void CBalloonToolTip::SetBackColor(std::int32_t vData) {
  BackColor_ = vData;
  if (tipWindow_) {
    tipWindow_->SetTipBkColor(BackColor_);
  }
}

void CBalloonToolTip::SetTipText(const std::string& vData) {
  TipText_ = vData;
  tool_.lpszText = vData;
  if (tipWindow_) {
    tipWindow_->UpdateTipText(tool_);
  }
}

void CBalloonToolTip::Show(std::int32_t X, std::int32_t Y, QWidget* hWndClient) {
  QPoint point(X, Y);
  if (hWndClient != nullptr) {
    point = hWndClient->mapToGlobal(point);
  }
  if (!tipWindow_) {
    return;
  }
  // Y * 65536 + X in 32 bits; far-off points wrap instead of overflowing.
  const std::uint32_t packed =
      static_cast<std::uint32_t>(point.y()) * 65536u + static_cast<std::uint32_t>(point.x());
  tipWindow_->TrackPosition(static_cast<std::int32_t>(packed));
  tipWindow_->TrackActivate(true, tool_);
}

bool CBalloonToolTip::CreateToolTip(QWidget* ParentHwnd) {
  Destroy();
  ParentHwnd_ = ParentHwnd;
  tipWindow_ = factory_(Style_ == 1 ? TTS_BALLOON : 0, ParentHwnd_);
  tool_ = ToolInfo{};
  tool_.cbSize = 44;
  tool_.uFlags = ToolFlags(Centered_, PopupOnDemand_);
  tool_.hwnd = ParentHwnd_;
  tool_.uId = ParentHwnd_;
  tool_.lpszText = TipText_;
  if (!tipWindow_) {
    return false;
  }
  tipWindow_->AddTool(tool_);
  if (!Title_.empty() || Icon_ != 0) {
    SendTitle();
  }
  if (ForeColor_ != 0) {
    tipWindow_->SetTipTextColor(ForeColor_);
  }
  if (BackColor_ != 0) {
    tipWindow_->SetTipBkColor(BackColor_);
  }
  if (TipFont_) {
    tipWindow_->SetFont(*TipFont_, true);
  }
  tipWindow_->SetDelayTime(TTDT_AUTOPOP, VisibleTime_);
  tipWindow_->SetDelayTime(TTDT_INITIAL, DelayTime_);
  return true;
}

void CBalloonToolTip::Destroy() {
  tipWindow_.reset();
}

bool CBalloonToolTip::Enabled() const {
  return tipWindow_ ? Enabled_ : false;
}

void CBalloonToolTip::SetEnabled(bool NewState) {
  if (NewState == Enabled_) {
    return;
  }
  Enabled_ = NewState;
  if (tipWindow_) {
    tipWindow_->Activate(NewState);
  }
}
