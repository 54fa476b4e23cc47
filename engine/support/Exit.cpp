// Exit.cpp -- the fatal exit and its replaceable handler.
#include "engine/support/Exit.h"

#include <cstdlib>

namespace engine::support {

namespace {
ExitHandler handler = nullptr;
}

void SetExitHandler(ExitHandler newHandler) { handler = newHandler; }

void ExitProcess(int code) {
  if (handler != nullptr) handler(code);
  std::exit(code);
}

}  // namespace engine::support
