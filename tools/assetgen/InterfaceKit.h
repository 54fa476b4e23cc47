// InterfaceKit.h -- what the interface pictures share: their fonts, sign panels, coins and
// lettering, so every notice, counter and badge looks like part of one set.
#pragma once

#include <string_view>

#include "tools/assetgen/Canvas.h"

namespace engine::graphics {
class Font;
}

namespace tools::assetgen::ui {

// DejaVu faces at a pixel size, loaded once and kept for the rest of the run.
engine::graphics::Font& Bold(int pixelSize);
engine::graphics::Font& Regular(int pixelSize);
engine::graphics::Font& Condensed(int pixelSize);

// The top of the line for text whose capitals are centred on centreY.
int CapsTop(engine::graphics::Font& font, int centreY);

// A rectangle with round corners of the given radius, in hard pixels.
void RoundedRect(Canvas& canvas, int x, int y, int w, int h, int radius, Rgba c);

// A sign: an ink edge, a trim ring two pixels wide inside it and the face within, with a
// lighter line under the top trim so the face reads as raised.
void Panel(Canvas& canvas, int x, int y, int w, int h, int radius, Rgba face, Rgba trim);

// A gold coin with an ink rim, a darker lower half and a glint.
void Coin(Canvas& canvas, float cx, float cy, float r);

// Lettering with a one-pixel ink ring and a drop shadow below it, for titles on a panel.
void TitleCentred(Canvas& canvas, engine::graphics::Font& font, int cx, int y,
                  std::string_view text, Rgba fill);

// Text centred on cx with hard pixel edges: no blending with what lies under it.
void CrispTextCentred(Canvas& canvas, engine::graphics::Font& font, int cx, int y,
                      std::string_view text, Rgba c);

// A key of the keyboard, 14 pixels tall, with its label or an arrow; returns its width.
int KeyCap(Canvas& canvas, int x, int y, std::string_view label);
int ArrowKeyCap(Canvas& canvas, int x, int y, bool right);

// Prepares a picture for masked drawing: hard alpha edges and no pure black.
void FinishMasked(Canvas& canvas);

}  // namespace tools::assetgen::ui
