// SdlRendererChoiceTest.cpp -- which OpenGL renderer strings name a rasteriser that runs on the
// processor (the renderer actually chosen on an X server is checked in SdlX11Test).
#include <gtest/gtest.h>

#include <string_view>
#include <utility>

#include "engine/platform/sdl/SdlRendererChoice.h"

namespace engine::platform::sdl {
namespace {

TEST(SdlRendererChoice, TellsCpuRasterisersFromGpus) {
  const std::pair<std::string_view, bool> cases[] = {
      {"llvmpipe (LLVM 15.0.6, 256 bits)", true},
      {"softpipe", true},
      {"Software Rasterizer", true},
      {"Mesa DRI SWRAST", true},
      // GPU drivers built on LLVM name it too, without being a CPU rasteriser.
      {"AMD Radeon RX 580 Series (polaris10, LLVM 15.0.6, DRM 3.49, 6.1.0-13-amd64)", false},
      {"Mesa Intel(R) UHD Graphics 620 (KBL GT2)", false},
      {"NVIDIA GeForce GTX 1060 6GB/PCIe/SSE2", false},
      {"", false},
  };
  for (const auto& [name, cpu] : cases)
    EXPECT_EQ(IsCpuRasteriser(name), cpu) << name;
}

}  // namespace
}  // namespace engine::platform::sdl
