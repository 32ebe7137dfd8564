// What an explosion does when it ends: damage, money, craters, or GROUND DEFENSE's wall.
#pragma once

#include "weapons/projectile.h"

void finishExplosion(Projectile& p);

// The radius of the crater an explosion digs when its picture counter stands at `explosionPicture`
// (explosionImage + frame): later pictures dig wider.
int craterRadius(int explosionPicture);
