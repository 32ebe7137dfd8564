#include "screens/shop.h"

#include <cstdio>
#include <string_view>

#include "audio/sound_system.h"
#include "battle/battle_state.h"
#include "core/globals.h"
#include "core/input.h"
#include "core/random.h"
#include "core/settings.h"
#include "core/sounds.h"
#include "gfx/display.h"
#include "gfx/draw.h"
#include "gfx/text.h"
#include "screens/screen_loop.h"
#include "screens/screen_widgets.h"
#include "screens/screens.h"
#include "weapons/weapon_specs.h"

const std::array<std::int32_t, WEAPON_COUNT> WEAPON_PRICES = [] {
    std::array<std::int32_t, WEAPON_COUNT> prices{};
    for (int w = 0; w < WEAPON_COUNT; ++w)
        prices[static_cast<std::size_t>(w)] = WEAPONS[static_cast<std::size_t>(w)].price;
    return prices;
}();

namespace {
constexpr int SHELF_SLOTS = WEAPON_COUNT - FIRST_ON_SHELF;
}  // namespace

namespace {

using weapon::BIG_MISSILE;
using weapon::DIRECT_MISSILE;
using weapon::DEFENSE;
using weapon::GROUND_DEFENSE;
using weapon::GIMLET;
constexpr int GIMLET_STOCK = 14;
constexpr std::int32_t LEAST_SPEND = 400;
constexpr int BUY_DELAY = 50;
constexpr int HANDOVER_DELAY = 100;

// Where the screen's buttons lie, from the display size.
struct ShopLayout {
    int w, h, t, f;
    // The screen has room for ten slots a row.
    int slotLeft() const { return w / 2 - static_cast<int>((w / 10) * (SHELF_SLOTS / 2.0)); }
    int slotX(int weapon) const { return slotLeft() + (weapon - FIRST_ON_SHELF) * (w / 10); }
    int slotY() const { return 7 * t - 20; }
    int buyX() const { return w / 2 - 12; }
    int buyY() const { return 9 * t; }
    int nextX() const { return w / 18 + 20; }
    int nextY() const { return t + 90; }
};

ShopLayout layout() { return {screenWidth, screenHeight, screenHeight / 10, fontHeight}; }

Player& shopper() { return players[currentPlayer < MAX_PLAYERS ? currentPlayer : 0]; }

const ImageEntry& image(int index) { return raznoe[index]; }

std::string format(const char* pattern, auto... args) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, pattern, args...);
    return buffer;
}

// Text with its shadow one pixel right and down.
void shadowedText(int x, int y, std::string_view text, std::uint32_t shadow, std::uint32_t colour,
                  bool centred) {
    const auto draw = centred ? DrawTextCentered : DrawText;
    draw(x + 1, y + 1, text, shadow);
    draw(x, y, text, colour);
}

void drawCentred(const ImageEntry& picture, int cx, int cy) {
    DrawImage(backBuffer, picture, cx - picture.width / 2, cy - picture.height / 2);
}

bool canAfford(const Player& p, int weapon) {
    return p.money >= WEAPON_PRICES[static_cast<std::size_t>(weapon)];
}

bool clicked(const ImageEntry& button, int x, int y) { return buttonHeld() && pointerOn(button, x, y); }

void buy(Player& p, int weapon) {
    p.money -= WEAPON_PRICES[static_cast<std::size_t>(weapon)];
    p.ammo[weapon] += 1;
    playSoundEffect(SOUND_BUY);
}

void passShopTurn() {
    playSoundEffect(CLICK_SOUND);
    currentPlayer += 1;
    animCounters.shopFrame += 1;
}

}  // namespace

bool amongTwoDearest(int weapon) {
    int dearer = 0;
    for (const std::int32_t price : WEAPON_PRICES) dearer += price > WEAPON_PRICES[static_cast<std::size_t>(weapon)];
    return dearer < 2;
}

// The computer buyer's pick: GIMLETs first, one shield of each kind, then anything but the
// DIRECT MISSILE (a draw of it buys a BIG MISSILE); an easy computer draws again rather than buy
// one of the two dearest weapons.
int computerPurchase(const Player& p, ComputerSkill skill) {
    const std::int32_t m = p.money;
    for (;;) {
        if (WEAPON_PRICES[GIMLET] <= m && p.ammo[GIMLET] < GIMLET_STOCK) return GIMLET;
        if (WEAPON_PRICES[DEFENSE] <= m && p.ammo[DEFENSE] == 0) return DEFENSE;
        if (WEAPON_PRICES[GROUND_DEFENSE] <= m && p.ammo[GROUND_DEFENSE] == 0) return GROUND_DEFENSE;
        int c = randScaled(SHELF_SLOTS) + FIRST_ON_SHELF;
        while (c == BIG_MISSILE) c = randScaled(SHELF_SLOTS) + FIRST_ON_SHELF;
        if (c == DIRECT_MISSILE) c = BIG_MISSILE;
        // WEAPON_COUNT comes only from rand() = 32767 and names no weapon: it counts as too dear.
        if (c < WEAPON_COUNT && WEAPON_PRICES[static_cast<std::size_t>(c)] <= m &&
            !(skill == ComputerSkill::Easy && amongTwoDearest(c)))
            return c;
    }
}

namespace {

}  // namespace

void drawShopScreen(const ShopState& shop) {
    const ShopLayout l = layout();
    const Player& p = shopper();
    StretchImage(backBuffer, image(SHOP_BACKGROUND).surface.get());

    for (int i = FIRST_ON_SHELF; i < WEAPON_COUNT; ++i) {
        const int x = l.slotX(i);
        const int y = l.slotY();
        DrawImage(backBuffer, image(shop.shopChoice == i ? SELECTED_SLOT_IMAGE : SHOP_SLOT_IMAGE), x, y);
        drawCentred(image(WEAPON_ICONS[static_cast<std::size_t>(i)]), x + 17, y + 17);
        const std::string& count = format("%i", p.ammo[i]);
        DrawTextCentered(x + 17, y + 35, count, 0x00000F);
        DrawTextCentered(x + 16, y + 34, count, 0xFFFFFF);
    }

    const int choice = shop.shopChoice;
    if (canAfford(p, choice))
        DrawImage(backBuffer, image(animCounters.crateFrame), l.buyX(), l.buyY());
    else if (assistEnabled)
        shadowedText(l.w / 2, l.buyY() + image(animCounters.crateFrame).height / 2 - l.f / 2, "NOT ENOUGH MONEY",
                     0x00000F, 0x4040FF, true);
    shadowedText(l.w / 2, l.buyY() - static_cast<int>(l.f * 1.5),
                 format("%s: %i$", weaponNames[static_cast<std::size_t>(choice)].c_str(),
                        WEAPON_PRICES[static_cast<std::size_t>(choice)]),
                 0x00BFBF, 0xFFFFFF, true);

    DrawImage(backBuffer, image(animCounters.flagFrame + BANNER_FRAMES * p.colour), l.w / 18 + 60, l.t - 20);
    DrawImage(backBuffer, image(FORTRESS_IMAGE), l.w / 18, l.t + 20);
    if (p.isComputer != 0) DrawImage(backBuffer, image(animCounters.thinkFrame), l.w / 18 + 30, l.t + 5);

    shadowedText(l.w / 18 + 40, l.nextY() - l.f, "NEXT", 0x00000F, 0x000FFF, false);
    DrawImage(backBuffer, image(animCounters.shopFrame), l.nextX(), l.nextY());

    shadowedText(l.w / 18 + 40, l.h / 20 - l.f, format("%s", p.name.c_str()), 0x00000F, 0x00FFFF, false);
    shadowedText(l.w / 18 + 40, l.h / 20, format("%i$", p.money), 0x00000F, 0x00FFFF, false);

    drawPointer();
}

void humanShopStep(ShopState& shop) {
    const ShopLayout l = layout();
    Player& p = shopper();
    for (int i = FIRST_ON_SHELF; i < WEAPON_COUNT; ++i) {
        if (!clicked(image(SHOP_SLOT_IMAGE), l.slotX(i), l.slotY())) continue;
        shop.shopChoice = static_cast<std::uint16_t>(i);
        takeButton();
        playSoundEffect(CLICK_SOUND);
    }
    if (canAfford(p, shop.shopChoice) && clicked(image(animCounters.crateFrame), l.buyX(), l.buyY())) {
        takeButton();
        buy(p, shop.shopChoice);
    }
    // The button counts only at rest; the click stays for whoever shops next.
    if (animCounters.shopFrame == NEXT_AT_REST &&
        clicked(image(animCounters.shopFrame), l.nextX(), l.nextY()))
        passShopTurn();
}

void computerShopStep(ShopState& shop) {
    if (shop.shopDelay > 0) {
        shop.shopDelay -= 1;
        return;
    }
    Player& p = shopper();
    if (p.money < LEAST_SPEND) {
        passShopTurn();
        shop.shopDelay = HANDOVER_DELAY;
        return;
    }
    const int c = computerPurchase(p, skillOf(currentPlayer));
    shop.shopChoice = static_cast<std::uint16_t>(c);
    buy(p, c);
    shop.shopDelay = BUY_DELAY;
}

int shopRound() {
    soundSystem.PlayMusic("tan.xm");
    resetAnimCounters();
    ShopState shop;
    currentPlayer = 0;
    // The shop reads the pointer, draws and steps before it ticks.
    static constexpr ScreenPiece FRAME[] = {
        ScreenPiece::Present, ScreenPiece::ReadCursor, ScreenPiece::Restore, ScreenPiece::Draw,
        ScreenPiece::Step,    ScreenPiece::Tick,       ScreenPiece::Escape};
    return runScreen({FRAME, [&shop] { drawShopScreen(shop); },
                      [&shop]() -> ScreenVerdict {
                          if (shopper().isComputer == 0)
                              humanShopStep(shop);
                          else
                              computerShopStep(shop);
                          if (currentPlayer < numPlayers) return std::nullopt;
                          takeKey();
                          return 0;
                      },
                      [] { return confirmQuit(2) == 1 ? ScreenVerdict{1} : std::nullopt; }});
}
