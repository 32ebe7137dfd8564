#include "screens/results.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "audio/sound_system.h"
#include "battle/battle_state.h"
#include "battle/scene.h"
#include "core/input.h"
#include "core/settings.h"
#include "gfx/display.h"
#include "gfx/draw.h"
#include "gfx/text.h"
#include "screens/screen_loop.h"
#include "screens/screen_widgets.h"
#include "screens/screens.h"

namespace {

constexpr int HOLD_FRAMES = 100;
constexpr std::uint32_t SHADOW = 0x0F0F0F;
constexpr std::uint32_t GREEN = 0x0FFF0F;
constexpr std::uint32_t SURVIVOR = 0x000FFF;
constexpr std::uint32_t YELLOW = 0x0FFFFF;

// Wins as four digits with leading zeros.
std::string winsText(std::int32_t wins) {
    const char* pattern = wins < 10 ? "000%i" : wins < 100 ? "00%i" : wins < 1000 ? "0%i" : "%i";
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, pattern, wins);
    return buffer;
}

std::string moneyLine(const Player& p) {
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "%s : %i$", p.name.c_str(), p.money);
    return buffer;
}

void drawResults(Battle& battle) {
    const int w = screenWidth;
    const int h = screenHeight;
    const bool timeRanOut = battleState.battleTimeLeft == 0;
    drawBattleScene(battle);
    DrawPanel(backBuffer, w / 8, h / 4, 3 * w / 4 - 30, h / 2 - 30);
    const char* title = timeRanOut ? "END OF TIME" : "CONGRATULATION!!!";
    DrawTextCentered(w / 2, h / 4 + 20, title, SHADOW);
    DrawTextCentered(w / 2 - 1, h / 4 + 19, title, timeRanOut ? YELLOW : GREEN);

    const Ranking ranking = rankByWins();
    for (int r = 1; r <= ranking.count; ++r) {
        const Player& p = players[ranking.order[static_cast<std::size_t>(r - 1)]];
        const std::uint32_t colour = p.isDead == 0 && !timeRanOut ? SURVIVOR : GREEN;
        const int y = h / 4 + 10 + fontHeight * (r + 3);
        const std::string wins = winsText(p.wins);
        DrawText(w / 8 + 30, y, wins, SHADOW);
        DrawText(w / 8 + 29, y - 1, wins, colour);
        const std::string line = moneyLine(p);
        DrawTextCentered(w / 2, y, line, SHADOW);
        DrawTextCentered(w / 2 - 1, y - 1, line, colour);
    }
}

}  // namespace

Ranking rankByWins() {
    Ranking ranking;
    ranking.count = std::min<int>(numPlayers, MAX_PLAYERS);
    for (int i = 0; i < ranking.count; ++i) ranking.order[static_cast<std::size_t>(i)] = i;
    std::stable_sort(ranking.order.begin(), ranking.order.begin() + ranking.count,
                     [](int a, int b) { return players[a].wins > players[b].wins; });
    return ranking;
}

void showResults(Battle& battle) {
    takeButton();
    takeKey();
    int hold = HOLD_FRAMES;
    playSoundEffect(SOUND_RESULTS);
    // The results draw before they present.
    static constexpr ScreenPiece FRAME[] = {ScreenPiece::ReadCursor, ScreenPiece::Draw, ScreenPiece::Present,
                                            ScreenPiece::Restore, ScreenPiece::Step};
    runScreen({FRAME, [&battle] { drawResults(battle); }, [&hold]() -> ScreenVerdict {
                   if (hold > 0) hold -= 1;
                   // Input that comes during the hold waits for its end.
                   if ((keyWaiting() || buttonHeld()) && hold == 0) return 0;
                   return std::nullopt;
               }});
    takeButton();
    takeKey();
    playSoundEffect(CLICK_SOUND);
}
