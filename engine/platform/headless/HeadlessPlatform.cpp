// HeadlessPlatform.cpp -- wires the three in-memory services to one fault plan.
#include "engine/platform/headless/HeadlessPlatform.h"

namespace engine::platform::headless {

HeadlessPlatform::HeadlessPlatform(const DesktopConfig& desktop, const DisplayConfig& display)
    : windows_(desktop, faults_), display_(desktop, display, faults_), sound_(faults_) {}

}  // namespace engine::platform::headless
