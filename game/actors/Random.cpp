// Random.cpp -- the program-wide generator.
#include "game/actors/Random.h"

namespace game::actors {

Random Rng;

}  // namespace game::actors
