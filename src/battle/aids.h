// The aiming aids (the "assist" setting): what they remember between shots, and what they draw.
// Nothing here runs or draws unless assistEnabled; the designed game never sees them.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/player.h"

struct Camera;

// The dots of one player's last shot, in world pixels.
struct ShotTrace {
    struct Dot {
        std::int16_t x, y;
    };
    std::vector<Dot> dots;
};

// What a human player's last shot was: the weapon and the aim point as an offset from the launch
// point, so it still means the same after the fortress has fallen or in the next battle.
struct KeptAim {
    bool set = false;
    int weapon = 0;
    int dx = 0;
    int dy = 0;
};

struct Aids {
    std::array<ShotTrace, MAX_PLAYERS> traces{};
    std::array<KeptAim, MAX_PLAYERS> kept{};
    bool tracing = false;  // the shot on flight is being traced

    // A new battle: the old landscape's traces go.
    void clearTraces();
    // A new game: the players are new.
    void forgetAims();
    // Each frame: the shot in flight leaves a dot every tick, on the frame of the tick.
    void noteShot(std::uint8_t frameThird);
    // The human on turn fires weapon at a point (dx, dy) from the launch point.
    void keepAim(int weapon, int dx, int dy);
    // A human's turn begins: the kept weapon while it has stock, and the pointer on the kept aim
    // where the camera will come to rest.
    void restoreTurn(const Camera& camera) const;
};

constexpr std::size_t MAX_TRACE_DOTS = 1500;

// The drawing, each a layer of the battle scene.
void drawShotTraces(const Aids& aids, const Camera& camera);
void drawDamageBars(const Camera& camera);
void drawFortressArrows(const Camera& camera);
void drawAimReadout(const Camera& camera);
// Where an arrow to a fortress off screen stands: its tip on the screen's inner margin on the line
// from the screen's centre to the fortress's centre (both in screen pixels).
struct ArrowTip {
    int x, y;
};
ArrowTip arrowTipToward(int targetX, int targetY);
// The angle of the aim in degrees, 0 right, 90 straight up, 180 left (negative below the horizon).
int aimAngleDegrees(int dx, int dy);
