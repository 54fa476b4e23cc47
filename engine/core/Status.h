// Status.h -- the engine's status codes. Start-up steps leave an odd code when they fail and
// the next even code when they succeed, so a failed start names its step.
#pragma once

#include <cstdint>

namespace engine::core {

enum Status : std::int32_t {
  NO_INIT = 0,
  INITCLASS_FAILED = 1,
  INITCLASS_OK = 2,
  INITWINTEMP_FAILED = 3,
  INITWINTEMP_OK = 4,
  INITWINREAL_FAILED = 5,
  INITWINREAL_OK = 6,
  SHOWWIN_FAILED = 7,
  SHOWWIN_OK = 8,
  DDSTART_FAILED = 9,
  DDSTART_OK = 10,
  DDSETLEVEL_FAILED = 11,
  DDSETLEVEL_OK = 12,
  SETMODE_FAILED = 13,
  SETMODE_OK = 14,
  FRONTSURFACE_FAILED = 15,
  FRONTSURFACE_OK = 16,
  BACKSURFACE_FAILED = 17,
  BACKSURFACE_OK = 18,
  INIT_OK = 19,
  LOCK_FAILED = 20,
  REQSIZE_FAILED = 21,
  BPP_FAILED = 22,
  SOUNDINIT_FAILED = 23,
  SOUNDCOOP_FAILED = 24,
  SOUNDCREATE_FAILED = 25,
  SOUNDMATCH_FAILED = 26,
  SOUNDCAPS_FAILED = 27,
  SOUNDBUFLEN_FAILED = 28,
  SOUNDLOST_FAIL = 29,
  SOUNDINVALID_FAIL = 30,
  SOUNDPARAM_FAIL = 31,
  SOUNDPRIOLEVEL_FAIL = 32,  // reported under the name SOUNDPARAM_FAIL as well
  IMAGEUSE_FAILED = 33,
};

}  // namespace engine::core
