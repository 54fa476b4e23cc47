// SdlEngineRun.cpp -- environment scopes and whole engine runs on the SDL platform.
#include "tests/platform/sdl/SdlEngineRun.h"

#include <SDL.h>

#include <chrono>
#include <cstdlib>

#include "tests/common/TempDir.h"

namespace tests {

ScopedEnv::ScopedEnv(std::string name, std::optional<std::string> value) : name_(std::move(name)) {
  if (const char* old = std::getenv(name_.c_str())) previous_ = old;
  if (value) {
    setenv(name_.c_str(), value->c_str(), 1);
  } else {
    unsetenv(name_.c_str());
  }
}

ScopedEnv::~ScopedEnv() {
  if (previous_) {
    setenv(name_.c_str(), previous_->c_str(), 1);
  } else {
    unsetenv(name_.c_str());
  }
}

bool HasEnv(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0';
}

EngineRun RunOnSdl(int fullscreen, int width, int height, int frames, const FrameCheck& check,
                   const engine::platform::sdl::SdlOptions& options, std::uint16_t fill) {
  using Clock = std::chrono::steady_clock;
  TempDir dir;
  EngineRun run;
  Clock::time_point first{};
  {
    auto platform = engine::platform::sdl::MakeSdlPlatform(options);
    engine::core::Engine engine;
    engine.AttachPlatform(platform.get());
    run.exitCode = engine.Entry([&] { engine.Initialize(fullscreen, width, height); },
                                [&] {
                                  if (++run.frames == 1) {
                                    run.statusAtStart = engine.GetStatus();
                                    first = Clock::now();
                                  }
                                  if (engine.ViewLock()) {
                                    std::uint16_t* pixels = engine.GetBackBuffer();
                                    const std::int32_t count =
                                        engine.GetStride() * engine.GetHeight();
                                    for (std::int32_t i = 0; i < count; ++i)
                                      pixels[i] = fill;
                                    engine.ViewUnlock();
                                  }
                                  if (run.frames == frames) engine.Quit();
                                  engine.ViewUpdate();
                                  if (check) check(engine, *platform, run.frames);
                                });
    if (run.frames > 0) run.seconds = std::chrono::duration<double>(Clock::now() - first).count();
    engine.DetachPlatform();
  }
  run.log = dir.Read("debug.txt");
  return run;
}

Rgb ShownAt(engine::core::Engine& engine, int x, int y) {
  SDL_Renderer* renderer = SDL_GetRenderer(SDL_GetWindowFromID(engine.GetWindow()));
  Uint32 pixel = 0;
  const SDL_Rect one{x, y, 1, 1};
  if (renderer == nullptr ||
      SDL_RenderReadPixels(renderer, &one, SDL_PIXELFORMAT_ARGB8888, &pixel, 4) != 0) {
    return {};
  }
  return {static_cast<int>((pixel >> 16) & 0xFF), static_cast<int>((pixel >> 8) & 0xFF),
          static_cast<int>(pixel & 0xFF)};
}

void PushMotion(engine::core::Engine& engine, int x, int y) {
  SDL_Event event{};
  event.motion.type = SDL_MOUSEMOTION;
  event.motion.windowID = engine.GetWindow();
  event.motion.x = x;
  event.motion.y = y;
  SDL_PushEvent(&event);
}

}  // namespace tests
