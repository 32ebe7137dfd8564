// What a launching or flying projectile touches: the landscape, shields, fortresses and crates.
#pragma once

#include "battle/crates.h"

void resolveHits(Crates& crates);
