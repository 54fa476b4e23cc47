// SdlEngineRun.cpp -- environment scopes and whole engine runs on the SDL platform.
#include "tests/platform/sdl/SdlEngineRun.h"

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
                   const engine::platform::sdl::SdlOptions& options) {
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
                                      pixels[i] = kRed565;
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

}  // namespace tests
