// GameChild.cpp -- forked children that drive the game through the engine's main loop, and the
// peak memory of the real program.
#include "bench/GameChild.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <functional>

#include "bench/OpenedFiles.h"
#include "engine/core/Engine.h"
#include "engine/platform/headless/HeadlessPlatform.h"
#include "engine/support/Path.h"
#include "game/shell/Callbacks.h"
#include "game/shell/GameShell.h"
#include "game/shell/ScriptedWindows.h"

namespace bench {

namespace {

double ThreadNs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e9 + static_cast<double>(t.tv_nsec);
}

bool WriteAll(int fd, const void* data, std::size_t size) {
  const auto* p = static_cast<const char*>(data);
  while (size > 0) {
    const ssize_t n = write(fd, p, size);
    if (n <= 0) return false;
    p += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

// Runs body in a forked child with the write end of a pipe; returns what the child wrote, or
// nothing when it did not end normally.
std::string InChild(const std::function<void(int fd)>& body) {
  int fds[2];
  if (pipe(fds) != 0) return {};
  std::fflush(nullptr);
  const pid_t pid = fork();
  if (pid < 0) return {};
  if (pid == 0) {
    close(fds[0]);
    body(fds[1]);
    close(fds[1]);
    _exit(0);
  }
  close(fds[1]);
  std::string out;
  char buffer[65536];
  for (;;) {
    const ssize_t n = read(fds[0], buffer, sizeof buffer);
    if (n <= 0) break;
    out.append(buffer, static_cast<std::size_t>(n));
  }
  close(fds[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return {};
  return out;
}

// Drives the game as the program does, headless and full screen, calling after(frame, ns) after
// each frame, until frame frames.
void Play(const std::string& script, long frames, const std::function<void(long, double)>& before,
          const std::function<void(long, double)>& after) {
  engine::support::SetDataFolder(CURBSIDE_BENCH_DATA_DIR);
  game::shell::ScriptParse parse = game::shell::ParseScript(script);
  engine::platform::headless::HeadlessPlatform backend(
      engine::platform::headless::DesktopConfig::Quiet());
  game::shell::ScriptedPlatform platform(backend, std::move(parse.events), nullptr);
  game::shell::SetFullScreen(1);
  Vorel.AttachPlatform(&platform);
  long frame = 0;
  Vorel.Entry(game::shell::initialize, [&] {
    before(frame + 1, 0.0);
    const double start = ThreadNs();
    game::shell::run();
    const double ns = ThreadNs() - start;
    ++frame;
    after(frame, ns);
    if (frame == frames) Vorel.Quit();
  });
  Vorel.DetachPlatform();
}

template <typename List>
std::int32_t CountVisible(const List& active, const game::actors::View& view) {
  std::int32_t n = 0;
  for (const auto* b : active) {
    if (view.IsVisible(b->X(), b->Y(), 100, 100)) ++n;
  }
  return n;
}

std::int32_t Visible() {
  using game::shell::Game;
  std::int32_t n = 0;
  if (Game.Mode() == 1) {
    const game::battle::Battle& b = Game.GetBattle();
    if (b.Street() != nullptr && b.GetView() != nullptr) {
      n += CountVisible(b.Street()->Active(), *b.GetView()) + 1;
    }
  } else if (Game.Mode() == 2) {
    const game::battle2::Battle2& b = Game.GetBattle2();
    for (int v = 1; v <= 2; ++v) {
      if (b.Street() != nullptr && b.GetView(v) != nullptr) {
        n += CountVisible(b.Street()->Active(), *b.GetView(v)) + 2;
      }
    }
  }
  return n;
}

// The process's resident memory now, from /proc/self/statm; 0 when it cannot be read.
double ResidentBytes() {
  std::FILE* f = std::fopen("/proc/self/statm", "r");
  if (f == nullptr) return 0;
  long size = 0, resident = 0;
  const int read = std::fscanf(f, "%ld %ld", &size, &resident);
  std::fclose(f);
  return read == 2 ? static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) : 0;
}

}  // namespace

std::string StartScript(int mode) {
  // The middle of the title's ONE PLAYER or TWO PLAYERS button.
  const char* at = mode == 1 ? "640 255" : "537 345";
  const std::string f = std::to_string(kStartFrame);
  return f + " mouse-move " + at + "\n" + f + " mouse-down left\n" +
         std::to_string(kStartFrame + 1) + " mouse-up left\n";
}

std::vector<FrameSample> PlayFrames(int mode, long frames) {
  const std::string bytes = InChild([&](int fd) {
    std::vector<FrameSample> samples;
    samples.reserve(static_cast<std::size_t>(frames));
    Play(
        StartScript(mode), frames, [](long, double) {},
        [&](long, double ns) {
          samples.push_back({ns, Visible()});
        });
    WriteAll(fd, samples.data(), samples.size() * sizeof(FrameSample));
  });
  std::vector<FrameSample> samples(bytes.size() / sizeof(FrameSample));
  std::memcpy(samples.data(), bytes.data(), samples.size() * sizeof(FrameSample));
  return samples;
}

SetUpSample TimeSetUp(int mode) {
  const std::string bytes = InChild([&](int fd) {
    double setUp = 0;
    double residentBefore = 0, residentAfter = 0;
    Play(
        StartScript(mode), kStartFrame,
        [&](long frame, double) {
          RecordOpenedFiles(frame == kStartFrame);
          if (frame == kStartFrame) residentBefore = ResidentBytes();
        },
        [&](long frame, double ns) {
          if (frame == kStartFrame) {
            setUp = ns;
            residentAfter = ResidentBytes();
          }
          RecordOpenedFiles(false);
        });
    std::string out =
        std::to_string(setUp) + " " + std::to_string(residentAfter - residentBefore) + "\n";
    for (const std::string& file : OpenedFiles())
      out += file + "\n";
    WriteAll(fd, out.data(), out.size());
  });
  SetUpSample sample;
  std::size_t at = bytes.find('\n');
  if (at == std::string::npos) return sample;
  char* rest = nullptr;
  const std::string first = bytes.substr(0, at);
  sample.ns = std::strtod(first.c_str(), &rest);
  sample.grownBytes = std::strtod(rest, nullptr);
  while (at + 1 < bytes.size()) {
    const std::size_t end = bytes.find('\n', at + 1);
    sample.files.push_back(bytes.substr(at + 1, end - at - 1));
    at = end;
  }
  return sample;
}

double PeakMemory(int mode, long frames) {
  char folder[] = "/tmp/curbside-bench-XXXXXX";
  if (mkdtemp(folder) == nullptr) return 0;
  const std::string dir = folder;
  const std::string script = dir + "/start.txt";
  if (std::FILE* f = std::fopen(script.c_str(), "w")) {
    std::fputs(StartScript(mode).c_str(), f);
    std::fclose(f);
  }
  std::fflush(nullptr);
  const pid_t pid = fork();
  if (pid < 0) return 0;
  if (pid == 0) {
    // The program writes its debug log into the working folder.
    if (chdir(dir.c_str()) != 0) _exit(127);
    const std::string count = std::to_string(frames);
    execl(CURBSIDE_GAME_PATH, CURBSIDE_GAME_PATH, "--headless", "--script", script.c_str(),
          "--frames", count.c_str(), "--data", CURBSIDE_BENCH_DATA_DIR,
          static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  std::remove(script.c_str());
  std::remove((dir + "/debug.txt").c_str());
  rmdir(dir.c_str());
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return 0;
  return static_cast<double>(usage.ru_maxrss) * 1024.0;  // ru_maxrss counts kibibytes
}

}  // namespace bench
