// What a launching or flying projectile touches: the landscape, shields, fortresses and crates.
#pragma once

void resolveHits();
