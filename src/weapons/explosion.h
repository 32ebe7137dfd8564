// What an explosion does when it ends: damage, money, craters, or GROUND DEFENSE's wall.
#pragma once

#include "weapons/projectile.h"

void finishExplosion(Projectile& p);
