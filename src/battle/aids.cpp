#include "battle/aids.h"

#include <algorithm>

#include "battle/battle_state.h"
#include "battle/camera.h"
#include "battle/fortress.h"
#include "core/input.h"
#include "core/settings.h"
#include "weapons/projectile.h"

namespace {

// The pointer stays out of the strips where it would scroll the battlefield.
constexpr int POINTER_MARGIN = 8;

}  // namespace

void Aids::clearTraces() {
    for (ShotTrace& t : traces) t.dots.clear();
    tracing = false;
}

void Aids::forgetAims() { kept.fill(KeptAim{}); }

void Aids::noteShot(std::uint8_t frameThird) {
    if (!assistEnabled || battleState.shotFired == 0 || currentPlayer >= MAX_PLAYERS) {
        tracing = false;
        return;
    }
    if (activeProjectileCount() == 0 || frameThird != 0) return;
    std::vector<ShotTrace::Dot>& dots = traces[currentPlayer].dots;
    if (!tracing) dots.clear();  // the first tick of a new shot
    tracing = true;
    for (const Projectile& p : projectiles)
        if (p.kind != 0 && dots.size() < MAX_TRACE_DOTS)
            dots.push_back({static_cast<std::int16_t>(p.x), static_cast<std::int16_t>(p.y)});
}

void Aids::keepAim(int weapon, int dx, int dy) {
    if (currentPlayer < MAX_PLAYERS) kept[currentPlayer] = {true, weapon, dx, dy};
}

void Aids::restoreTurn(const Camera& camera) const {
    if (!assistEnabled || currentPlayer >= MAX_PLAYERS) return;
    const Player& p = players[currentPlayer];
    const KeptAim& k = kept[currentPlayer];
    if (p.isComputer != 0 || !k.set) return;
    chooseWeapon(k.weapon);  // refused without stock: the turn keeps the MISSILE
    const platform::Point scroll = camera.restingScroll();
    const int x = static_cast<int>(p.x) + LAUNCH_DX + k.dx - scroll.x;
    const int y = static_cast<int>(p.y) + LAUNCH_DY + k.dy - scroll.y;
    platform::get().movePointer({std::clamp(x, POINTER_MARGIN, screenWidth - 1 - POINTER_MARGIN),
                                 std::clamp(y, POINTER_MARGIN, screenHeight - 1 - POINTER_MARGIN)});
}
