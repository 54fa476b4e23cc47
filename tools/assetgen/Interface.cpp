// Interface.cpp -- the interface pictures under the names the game loads them by: status
// display, clock, count-down light, street marks, player numbers, notices and buttons.
#include <string>

#include "tools/assetgen/Catalogue.h"
#include "tools/assetgen/InterfacePictures.h"

namespace tools::assetgen {

void AddInterface(Catalogue& catalogue) {
  using namespace ui;
  catalogue.Picture("Images\\inter-prev.tif", [] { return ArrowButton(false); });
  catalogue.Picture("Images\\inter-next.tif", [] { return ArrowButton(true); });
  catalogue.Picture("Images\\inter-bottom.tif", StatusBar);

  catalogue.Picture("Images\\Numbers\\cash-symbol.tif", CashSymbol);
  for (int digit = 0; digit <= 9; ++digit) {
    catalogue.Picture("Images\\Numbers\\cash-" + std::to_string(digit) + ".tif",
                      [digit] { return CashDigit(digit); });
  }

  catalogue.Picture("Images\\inter-clock.tif", ClockFace);
  catalogue.Picture("Images\\inter-clocklonghand.tif", LongHand);
  catalogue.Picture("Images\\inter-clockshorthand.tif", ShortHand);
  catalogue.Picture("Images\\inter-ability.tif", AbilityStar);
  catalogue.Picture("Images\\traffic-green.tif", [] { return TrafficLight(Lamp::kGreen); });
  catalogue.Picture("Images\\traffic-yellow.tif", [] { return TrafficLight(Lamp::kYellow); });
  catalogue.Picture("Images\\traffic-red.tif", [] { return TrafficLight(Lamp::kRed); });

  catalogue.Picture("Images\\item-cash.tif", CashItem);
  catalogue.Picture("Images\\Bypasser\\normal-performmeter.tif", PerformMeter);
  catalogue.Picture("Images\\Bypasser\\normal-performtick.tif", PerformTick);
  for (int price = 1000; price <= 3000; price += 500) {
    catalogue.Picture("Images\\Bypasser\\Hobo\\hobo-price" + std::to_string(price) + ".tif",
                      [price] { return PriceTag(price); });
  }
  catalogue.Picture("Images\\inter-number1.tif", [] { return PlayerNumber(1); });
  catalogue.Picture("Images\\inter-number2.tif", [] { return PlayerNumber(2); });

  catalogue.Picture("Images\\inter-loading.tif", LoadingNotice);
  catalogue.Picture("Images\\inter-lose.tif", LoseNotice);
  catalogue.Picture("Images\\inter-pause.tif", PauseNotice);
  catalogue.Picture("Images\\inter-dance.tif", DanceBadge);
  catalogue.Picture("Images\\inter-gameover.tif", GameOverTitle);
  catalogue.Picture("Images\\inter-again.tif", AgainNotice);
  catalogue.Picture("Images\\inter-player1win.tif", [] { return WinnerNotice(1); });
  catalogue.Picture("Images\\inter-player2win.tif", [] { return WinnerNotice(2); });
  catalogue.Picture("Images\\intro-Bstart.tif", StartButton);
}

}  // namespace tools::assetgen
