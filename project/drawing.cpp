#include "project/drawing.h"

#include <algorithm>

#include "platform/colors.h"
#include "platform/strip_null.h"
#include "platform/trim_blanks.h"
#include "project/program_state.h"
#include "project/records.h"

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;

}  // namespace

void PrintRotatedText(platform::Canvas& pic, std::int32_t X, std::int32_t Y, std::int32_t Angle,
                      std::int16_t Size, const std::string& Text) {
  platform::CanvasFont font = pic.Font();
  font.pixelHeight = Size;
  pic.DrawRotatedText(X, Y, Angle, font, Text);
}

void DrawTransparentBitmap(platform::Canvas* hDestDC, std::int16_t xDest, std::int16_t yDest,
                           const platform::Canvas* hSrcDC, std::int16_t xSrc, std::int16_t ySrc,
                           std::int16_t Width, std::int16_t Height, std::uint32_t TransColor) {
  if (hDestDC == nullptr || hSrcDC == nullptr || Width <= 0 || Height <= 0) {
    return;
  }
  const std::uint32_t key = TransColor & kWhite;
  for (int y = 0; y < Height; ++y) {
    for (int x = 0; x < Width; ++x) {
      const std::uint32_t source = hSrcDC->Pixel(xSrc + x, ySrc + y);
      // Background mask white where the source has the key colour; the object mask
      // is its inverse.
      const std::uint32_t backgroundMask = source == key ? kWhite : 0;
      const std::uint32_t objectMask = ~backgroundMask & kWhite;
      const std::uint32_t work = hDestDC->Pixel(xDest + x, yDest + y) & backgroundMask;
      hDestDC->SetPixel(xDest + x, yDest + y, work | (source & objectMask));
    }
  }
}

void DrawTextInRect(platform::Canvas* hDC, const std::string& Text, std::int32_t Left,
                    std::int32_t Top, std::int32_t Width, std::int32_t Height, std::int32_t Color,
                    std::int32_t Format) {
  if (hDC == nullptr) {
    return;
  }
  std::uint32_t colorRef = 0;
  if (!platform::OleTranslateColor(Color, colorRef)) {
    colorRef = static_cast<std::uint32_t>(Color) & kWhite;
  }
  hDC->SetTextColor(colorRef);
  hDC->DrawTextInBox(Left, Top, Left + Width, Top + Height, Text, Format | platform::dt::WordBreak);
}

void DrawFocusRectangle(platform::Canvas* hDC, std::int32_t Left, std::int32_t Top,
                        std::int32_t Right, std::int32_t Bottom) {
  if (hDC == nullptr) {
    return;
  }
  // A band dragged up or to the left is the same rectangle.
  const std::int32_t left = std::min(Left, Right);
  const std::int32_t right = std::max(Left, Right) - 1;
  const std::int32_t top = std::min(Top, Bottom);
  const std::int32_t bottom = std::max(Top, Bottom) - 1;
  if (right < left || bottom < top) {
    return;
  }
  const auto invert = [hDC](std::int32_t x, std::int32_t y) {
    if ((x + y) % 2 == 0) {  // every other pixel: the dotted line
      hDC->SetPixel(x, y, hDC->Pixel(x, y) ^ kWhite);
    }
  };
  for (std::int32_t x = left; x <= right; ++x) {
    invert(x, top);
    if (bottom != top) {
      invert(x, bottom);
    }
  }
  for (std::int32_t y = top + 1; y < bottom; ++y) {
    invert(left, y);
    if (right != left) {
      invert(right, y);
    }
  }
}

std::string GetCommandLabel(std::int16_t Index, bool bTxCom1) {
  if (Index < 0 || Index >= kRecordCount) {
    return " ";
  }
  const CommandRecord& record = CmdRecords[static_cast<std::size_t>(Index)];
  const CommandName& name =
      bTxCom1 ? record.TxCom1Info : (FilterSide == 1 ? record.RxCom2Info : record.RxCom1Info);
  std::string label = StripNull(std::string(TrimBlanks(name.Raw())));
  if (label.size() > 12) {
    label = label.substr(0, 10) + "...";
  }
  return label.empty() ? " " : label;
}
