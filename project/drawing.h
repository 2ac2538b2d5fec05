#pragma once

#include <cstdint>
#include <string>

#include "platform/canvas.h"

// Text turned Angle degrees counter-clockwise round its reference point (X, Y), in
// the picture's font at a character height of Size pixels.
void PrintRotatedText(platform::Canvas& pic, std::int32_t X, std::int32_t Y, std::int32_t Angle,
                      std::int16_t Size, const std::string& Text);

// Copies the Width x Height area at (xSrc, ySrc) of the source to (xDest, yDest),
// leaving the destination where the source has TransColor (0xBBGGRR). Null
// surfaces and empty sizes draw nothing.
void DrawTransparentBitmap(platform::Canvas* hDestDC, std::int16_t xDest, std::int16_t yDest,
                           const platform::Canvas* hSrcDC, std::int16_t xSrc, std::int16_t ySrc,
                           std::int16_t Width, std::int16_t Height, std::uint32_t TransColor);

// Text in the box in Color with the dt:: Format bits plus word break; nothing for a
// null surface.
void DrawTextInRect(platform::Canvas* hDC, const std::string& Text, std::int32_t Left,
                    std::int32_t Top, std::int32_t Width, std::int32_t Height, std::int32_t Color,
                    std::int32_t Format);

// The dotted focus rectangle, drawn by inverting: drawing it twice restores the picture.
void DrawFocusRectangle(platform::Canvas* hDC, std::int32_t Left, std::int32_t Top,
                        std::int32_t Right, std::int32_t Bottom);

// The matrix label of record Index: the Tx-COM1 name for a column (bTxCom1), else the
// Rx name of the side FilterSide selects; cut to 10 characters and "..." past 12,
// " " when empty. An Index outside 0..31 gives " ".
std::string GetCommandLabel(std::int16_t Index, bool bTxCom1);
