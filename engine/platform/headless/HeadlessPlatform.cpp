// HeadlessPlatform.cpp -- wires the three in-memory services to one fault plan, and the
// display's frames to the sound device's clock.
#include "engine/platform/headless/HeadlessPlatform.h"

namespace engine::platform::headless {

HeadlessPlatform::HeadlessPlatform(const DesktopConfig& desktop, const DisplayConfig& display,
                                   const SoundConfig& sound)
    : windows_(desktop, faults_), display_(desktop, display, faults_), sound_(faults_, sound) {
  // There is no audio clock: sound advances by one frame's time whenever a frame goes by,
  // shown or not, as it would on a machine running at the display's rate.
  display_.OnFrameEnded([this] { sound_.AdvanceFrame(); });
}

}  // namespace engine::platform::headless
