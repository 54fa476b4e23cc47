// Globals.cpp -- the engine's program-wide objects, defined together so that they are built in
// this order (engine object, then debug log) and destroyed in the reverse order.
#include "engine/core/Engine.h"
#include "engine/support/DebugLog.h"

engine::core::Engine Vorel;

namespace engine::support {
DebugLog Log;
}
