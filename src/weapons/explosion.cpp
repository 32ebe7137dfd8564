#include "weapons/explosion.h"

#include "audio/sound_system.h"
#include "core/player.h"
#include "core/settings.h"
#include "gfx/draw.h"
#include "gfx/images.h"
#include "gfx/overlap.h"
#include "weapons/weapon_specs.h"
#include "world/damage.h"
#include "world/world.h"

namespace {

// The explosion's last picture cut out of every fortress it covers, the shooter's own included;
// whatever it erases is damage to the owner and money for the player on turn.
void damageFortresses(int x, int y, const ImageEntry& shape) {
    const int left = x - shape.width / 2;
    const int top = y - shape.height / 2;
    for (int i = 0; i < numPlayers && i < MAX_PLAYERS; ++i) {
        Player& owner = players[i];
        const auto erased =
            static_cast<std::int16_t>(EraseOverlap(shape, left, top, raznoe[FORTRESS_PICTURE + i],
                                                   static_cast<int>(owner.x), static_cast<int>(owner.y)));
        players[currentPlayer].money += erased;
        owner.damage = static_cast<std::int16_t>(owner.damage + erased);
    }
}

void stampWall(const Projectile& p, const ImageEntry& wall) {
    const int x = static_cast<int>(p.x);
    const int y = static_cast<int>(p.y);
    DrawImageClippedWorld(raznoe[LANDSCAPE_IMAGE].surface.get(), wall, x - wall.width / 2,
                          y - wall.height / 2);
    refreshTiles(x, y, wall.width / 2);
}

}  // namespace

int craterRadius(int explosionPicture) {
    return 10 - static_cast<int>((explosionPicture - (FIRST_EXPLOSION_IMAGE + 1)) * -2.25);
}

void finishExplosion(Projectile& p) {
    const WeaponSpec& kindRow = weaponSpecs[p.kind];
    if (kindRow.stampsImage == 1) {
        stampWall(p, raznoe[kindRow.explosionImage + p.frame]);
    } else {
        if (!kindRow.passesFortresses)
            damageFortresses(static_cast<int>(p.x), static_cast<int>(p.y),
                             raznoe[kindRow.explosionImage + p.frame - 1]);
        // Each further crater steps one velocity on and is a little smaller.
        for (int i = 0; i < kindRow.craterCount; ++i) {
            carveCrater(static_cast<int>(p.x), static_cast<int>(p.y),
                        craterRadius(kindRow.explosionImage + p.frame));
            p.x += p.vx;
            p.y += p.vy;
            --p.frame;
        }
    }
    soundSystem.StopChannel(p.channel);
    soundSystem.FreeChannel(p.channel);
    freeProjectile(p);
}
