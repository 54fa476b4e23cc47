// Loads.h -- loading a picture and the music: our loaders against libtiff and plain fread.
#pragma once

namespace bench {

// Checks that libtiff's readings, converted, give the pictures our loader gives; prints each
// difference. True when all agree.
bool CheckLoads();

void RegisterLoadBenchmarks();

}  // namespace bench
