// InterfacePictures.h -- the painters of the interface pictures, one function per picture,
// grouped by the file that draws them; Interface.cpp gives each its file name.
#pragma once

#include "tools/assetgen/Canvas.h"

namespace tools::assetgen::ui {

// Hud.cpp: the status display of the street modes.
Canvas StatusBar();           // 800 x 50, top and bottom of the single-player screen
Canvas CashSymbol();          // 25 x 25, in front of the cash digits
Canvas CashDigit(int digit);  // 25 x 25
Canvas AbilityStar();         // 20 x 20, one per day passed
Canvas DanceBadge();          // the performer owns a dance

// Clock.cpp: the day clock and the count-down light.
Canvas ClockFace();  // 50 x 50
Canvas LongHand();   // 50 x 50, upright, turning about the picture's centre
Canvas ShortHand();  // 50 x 50, likewise
enum class Lamp { kGreen, kYellow, kRed };
Canvas TrafficLight(Lamp lit);  // 50 x 100

// StreetMarks.cpp: small pictures drawn on the street among the people.
Canvas CashItem();                // lying on the pavement
Canvas PerformMeter();            // the trough of a watcher's interest meter
Canvas PerformTick();             // one unit of interest, drawn inside the trough
Canvas PriceTag(int price);       // over a hobo's head
Canvas PlayerNumber(int player);  // over a performer's head in the two-player game

// Overlays.cpp: notices drawn over the street, and the buttons.
Canvas LoadingNotice();
Canvas GameOverTitle();
Canvas LoseNotice();
Canvas AgainNotice();
Canvas PauseNotice();
Canvas WinnerNotice(int player);
Canvas StartButton();
Canvas ArrowButton(bool next);

}  // namespace tools::assetgen::ui
