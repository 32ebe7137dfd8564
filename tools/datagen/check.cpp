// The rules the game's code puts on its data, checked before anything is written.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "datagen/canvas.h"
#include "datagen/generator.h"

namespace datagen {

namespace {

struct SizeRule {
    int first, last;
    int minW, maxW, minH, maxH;
    const char* what;
};

// Sizes that follow from where the game draws and tests each picture.
constexpr SizeRule SIZE_RULES[] = {
    {STARTUP_IMAGE, STARTUP_IMAGE, 640, 640, 480, 480, "panel canvas"},
    {LANDSCAPE_IMAGE, LANDSCAPE_IMAGE, 1536, 1536, 768, 768, "landscape canvas"},
    {FORTRESS_IMAGE, FORTRESS_BACK_IMAGE, 80, 80, 50, 50, "fortress (hit box 80 x 50)"},
    {FORTRESS_TOP_PROBE, FORTRESS_TOP_PROBE, 80, 80, 10, 42, "top probe"},
    {FORTRESS_GROUND_PROBE, FORTRESS_GROUND_PROBE + FORTRESS_GROUND_PROBES - 1, 80, 80, 1, 6, "ground probe (foot rows 44..49)"},
    {FORTRESS_PICTURE, FORTRESS_PICTURE + BANNER_COLOURS - 1, 80, 200, 50, 200, "fortress canvas"},
    {POINTER_IMAGE, POINTER_IMAGE, 8, 24, 8, 24, "mouse pointer"},
    {POINTER_HIT_IMAGE, POINTER_HIT_IMAGE, 6, 10, 6, 10, "pointer hit image"},
    {FIRST_BANNER_IMAGE, FIRST_BANNER_IMAGE + BANNER_COLOURS * BANNER_FRAMES - 1, 10, 24, 60, 80, "banner"},
    {FIRST_GROUND_STRIP, FIRST_GROUND_STRIP + SCENERY_LOOKS - 1, 20, 38, 10, 38, "ground strip"},
    {POWER_BAR_IMAGE, POWER_BAR_IMAGE, 100, 100, 10, 10, "power bar"},
    {POWER_BAR_EMPTY, POWER_BAR_EMPTY, 100, 100, 10, 10, "power bar"},
    {WEAPON_SLOT_IMAGE, WEAPON_SLOT_IMAGE, 24, 24, 24, 24, "weapon slot frame"},
    {MISSILE_FLIGHT_BASE + 1, MISSILE_FLIGHT_BASE + DIRECTIONS, 10, 24, 10, 24, "MISSILE"},
    {FIRST_GROUND_TEXTURE, FIRST_GROUND_TEXTURE + SCENERY_LOOKS - 1, 64, 256, 64, 256, "ground texture"},
    {BIG_MISSILE_FLIGHT_BASE + 1, BIG_MISSILE_FLIGHT_BASE + DIRECTIONS, 12, 28, 12, 28, "BIG MISSILE"},
    {GRENADE_IMAGE, GRENADE_IMAGE + SPIN_FRAMES - 1, 8, 16, 8, 16, "GRENADE"},
    {DIRECT_MISSILE_FLIGHT_BASE + 1, DIRECT_MISSILE_FLIGHT_BASE + DIRECTIONS, 10, 24, 10, 24, "DIRECT MISSILE"},
    {FIRST_SHIELD_IMAGE, LAST_SHIELD_IMAGE, 110, 130, 90, 110, "shield"},
    {GROUND_DEFENSE_LAUNCH, BRICK_BLOCK_IMAGE, 10, 24, 10, 24, "GROUND DEFENSE"},
    {WALL_RISE_IMAGE, WALL_IMAGE, 40, 70, 40, 70, "wall"},
    {BALL_GRENADE_IMAGE, BALL_GRENADE_IMAGE + SPIN_FRAMES - 1, 8, 16, 8, 16, "BALL GRENADE"},
    {GIMLET_FLIGHT_BASE + 1, GIMLET_FLIGHT_BASE + DIRECTIONS, 10, 24, 10, 24, "GIMLET"},
    {SUPER_GRENADE_IMAGE, SUPER_GRENADE_IMAGE + SPIN_FRAMES - 1, 10, 18, 10, 18, "SUPER GRENADE"},
    {FIRST_MARKER_IMAGE, LAST_MARKER_IMAGE, 16, 32, 16, 32, "target marker"},
    {DIRECT_MISSILE_LAUNCH, HYPER_TUBE_LAUNCH + LAUNCH_FRAMES - 1, 10, 24, 10, 24, "launch or flight picture"},
    {BOMBLET_IMAGE, BOMBLET_IMAGE, 3, 10, 3, 10, "bomblet"},
    {BIG_MISSILE_LAUNCH, BIG_MISSILE_LAUNCH + LAUNCH_FRAMES - 1, 12, 28, 12, 28, "BIG MISSILE launch"},
    {MENU_BACKGROUND_IMAGE, MENU_BACKGROUND_IMAGE, 640, 640, 480, 480, "menu background"},
    {FIRST_CRATE_IMAGE, FIRST_CRATE_IMAGE + CRATE_KINDS * CRATE_FRAMES - 1, 24, 24, 24, 24, "crate"},
    {CRATE_PROBE_IMAGE, CRATE_PROBE_IMAGE, 24, 24, 2, 2, "crate probe"},
    {FIRST_WAIT_IMAGE, LAST_WAIT_IMAGE, 60, 100, 16, 40, "loading animation"},
    {WAIT_PICTURE, WAIT_PICTURE, 100, 200, 50, 100, "loading picture"},
    {COMPUTER_BUTTON_IMAGE, HUMAN_BUTTON_IMAGE, 30, 48, 20, 32, "role button"},
    {PLAY_BUTTON_IMAGE, PLAY_BUTTON_IMAGE, 40, 200, 16, 28, "PLAY GAME button"},
    {SHOP_BACKGROUND, SHOP_BACKGROUND, 640, 640, 480, 480, "shop background"},
    {SHOP_SLOT_IMAGE, SELECTED_SLOT_IMAGE, 34, 34, 34, 34, "shop slot"},
    {PANEL_FRAME, PANEL_FRAME, 30, 30, 30, 30, "panel frame"},
    {DEFENSE_ICON, DEFENSE_ICON, 10, 24, 10, 24, "DEFENSE icon"},
    {FIRST_MENU_ITEM_IMAGE, FIRST_MENU_ITEM_IMAGE + MENU_ITEMS - 1, 120, 278, 24, 50, "menu item"},
    {PANEL_TILE, PANEL_TILE, 378, 378, 256, 256, "panel texture tile"},
    {FIRST_THINK_IMAGE, LAST_THINK_IMAGE, 12, 28, 12, 28, "thinking icon"},
    {NEXT_AT_REST, NEXT_LAST_FRAME, 30, 100, 16, 28, "NEXT button"},
    {PANEL_TEXTURE, PANEL_TEXTURE, 1024, 1024, 768, 768, "panel texture canvas"},
    {PRESS_A_KEY_IMAGE, PRESS_A_KEY_IMAGE, 150, 320, 20, 60, "prompt"},
    {RAIN_FRONT_IMAGE, SNOW_FRONT_IMAGE + 1, 2, 16, 2, 16, "drop"},
    {LIGHT_CLOUD_IMAGE, DARK_CLOUD_IMAGE + CLOUD_FRAMES - 1, 40, 80, 24, 48, "cloud"},
    {TERRAIN_IMAGE, TERRAIN_IMAGE, 1536, 1536, 768, 768, "terrain canvas"},
};

// Click targets and buttons placed on a 320 x 240 screen (the smallest mode), with the largest
// extra offset they are drawn at: each must lie wholly inside it, or it is not drawn at all.
struct ScreenFit {
    int first, last, x, y;
    const char* what;
};
constexpr ScreenFit SCREEN_FITS[] = {
    {FIRST_MENU_ITEM_IMAGE, FIRST_MENU_ITEM_IMAGE + MENU_ITEMS - 1, 32 + 10, 80 + 2 * 50 + 10, "menu item with its hover copy"},
    {FIRST_CRATE_IMAGE, FIRST_CRATE_IMAGE + CRATE_FRAMES - 1, 160 - 12, 216, "shop buy button"},
    {PLAY_BUTTON_IMAGE, PLAY_BUTTON_IMAGE, 80 - 20, 216 - 5, "PLAY GAME button"},
    {NEXT_AT_REST, NEXT_LAST_FRAME, 240 - 20, 216 - 5, "NEXT OPPONENT button"},
    {COMPUTER_BUTTON_IMAGE, HUMAN_BUTTON_IMAGE, 160 - 20, 144, "role button"},
    {FORTRESS_IMAGE, FORTRESS_IMAGE, 160 - 40, 48, "colour button"},
};

// Where the explosion pictures' craters and damage shapes say they should be.
constexpr int EXPLOSION_FIRST = FIRST_EXPLOSION_IMAGE, EXPLOSION_LAST = LAST_EXPLOSION_IMAGE;

// The game's foot offsets of the scenery items (set, item: left, right).
constexpr int FOOT_OFFSETS[ITEM_SET_COUNT][4][2] = {
    {{44, 44}, {90, 90}, {137, 137}, {66, 66}},
    {{60, 60}, {51, 51}, {75, 84}, {0, 0}},
    {{80, 79}, {92, 88}, {88, 88}, {77, 79}},
};

std::string name(const std::string& file, int index) { return file + " image " + std::to_string(index); }

void checkPixels(const SpriteImage& image, std::uint8_t rules, const std::string& who, std::vector<std::string>& errors) {
    if (image.width == 0 || image.height == 0) {
        errors.push_back(who + ": width or height 0 (would end the file's load)");
        return;
    }
    bool any = false;
    for (std::uint16_t p : image.pixels) {
        if (p == 0) {
            if (rules & SOLID) {
                errors.push_back(who + ": transparent pixel in a picture that must be solid");
                return;
            }
            continue;
        }
        any = true;
        if ((rules & COLLISION) && !isCollisionSafe(p)) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "%04X", p);
            errors.push_back(who + ": colour 0x" + hex + " has a zero byte in 5-5-5 or 5-6-5 (collision picture)");
            return;
        }
    }
    if ((rules & COLLISION) && !any) errors.push_back(who + ": collision picture without a pixel");
}

void checkSmall(const SmallTable& table, std::vector<std::string>& errors) {
    const std::vector<SpriteImage> images = table.images();
    if (images.size() != SMALL_IMAGE_COUNT) errors.push_back("small.spr: not 496 images");
    for (int i = 0; i < static_cast<int>(images.size()); ++i)
        checkPixels(images[i], table.at(i).rules, name("small.spr", i), errors);
    for (const SizeRule& r : SIZE_RULES)
        for (int i = r.first; i <= r.last; ++i) {
            const SpriteImage& im = images[i];
            if (im.width < r.minW || im.width > r.maxW || im.height < r.minH || im.height > r.maxH)
                errors.push_back(name("small.spr", i) + " (" + r.what + "): " + std::to_string(im.width) + " x " +
                                 std::to_string(im.height) + " outside " + std::to_string(r.minW) + ".." +
                                 std::to_string(r.maxW) + " x " + std::to_string(r.minH) + ".." + std::to_string(r.maxH));
        }
    for (const ScreenFit& f : SCREEN_FITS)
        for (int i = f.first; i <= f.last; ++i)
            if (f.x + images[i].width > 320 || f.y + images[i].height > 240)
                errors.push_back(name("small.spr", i) + " (" + f.what + ") does not fit a 320 x 240 screen");
    for (int k = EXPLOSION_FIRST; k <= EXPLOSION_LAST; ++k) {
        const float radius = 10.0f + 2.25f * (k - EXPLOSION_FIRST);
        if (std::abs(images[k].width - 2 * radius) > 6 || images[k].width != images[k].height)
            errors.push_back(name("small.spr", k) + ": explosion not a disc of radius about " + std::to_string(radius));
    }
}

void checkItems(const GeneratedData& data, std::vector<std::string>& errors) {
    for (int set = 0; set < ITEM_SET_COUNT; ++set) {
        const std::string file = "it" + std::to_string(set + 1) + ".spr";
        const auto& items = data.items[set];
        if (items.empty() || items.size() > 10) errors.push_back(file + ": needs 1..10 items");
        for (std::size_t n = 0; n < items.size() && n < 4; ++n) {
            const SceneryItem& item = items[n];
            const int expected[2] = {FOOT_OFFSETS[set][n][0], FOOT_OFFSETS[set][n][1]};
            const std::string who = file + " item " + std::to_string(n);
            if (expected[0] == 0) errors.push_back(who + ": the game has no foot offsets for it");
            if (item.footLeft != expected[0] || item.footRight != expected[1])
                errors.push_back(who + ": foot line not at the game's offsets");
            checkPixels(item.body, COLLISION, who + " body", errors);
            const SpriteImage* probes[2] = {&item.probeLeft, &item.probeRight};
            for (int side = 0; side < 2; ++side) {
                const SpriteImage& probe = *probes[side];
                checkPixels(probe, COLLISION, who + " probe", errors);
                if (probe.width != item.body.width) errors.push_back(who + ": probe not as wide as its body");
                // The body must stand on the probe: a pixel of the body's foot row over the probe's patch.
                bool stands = false;
                const int footRow = expected[side] - 1;
                for (int x = 0; x < probe.width && x < item.body.width && footRow < item.body.height; ++x)
                    if (probe.pixels[x] && item.body.pixels[static_cast<std::size_t>(footRow) * item.body.width + x]) stands = true;
                if (!stands) errors.push_back(who + ": body does not reach its foot probe " + std::to_string(side + 1));
            }
        }
        if (items.size() > 4) errors.push_back(file + ": more items than the game has foot offsets for");
    }
}

std::int16_t sampleAt(const BankSound& s, std::size_t i) {
    return static_cast<std::int16_t>(s.data[2 * i] | s.data[2 * i + 1] << 8);
}

void checkSounds(const std::vector<BankSound>& sounds, std::vector<std::string>& errors) {
    for (int id = FIRST_SOUND; id <= LAST_SOUND; ++id) {
        const auto it = std::find_if(sounds.begin(), sounds.end(), [&](const BankSound& s) { return s.id == id; });
        const std::string who = "sound.sdf id " + std::to_string(id);
        if (it == sounds.end()) {
            errors.push_back(who + ": missing");
            continue;
        }
        const BankSound& s = *it;
        if (s.rate != 44100 || s.bits != 16 || s.channels != 1 || s.data.size() < 200)
            errors.push_back(who + ": not 44100 Hz 16-bit mono, or too short");
        if ((s.loop == 1) != (id == RAIN_SOUND || id == SNOW_SOUND)) errors.push_back(who + ": wrong loop flag");
        if (s.data.size() < 200) continue;
        const std::size_t n = s.data.size() / 2;
        int largestStep = 0;
        for (std::size_t i = 1; i < n; ++i) largestStep = std::max(largestStep, std::abs(sampleAt(s, i) - sampleAt(s, i - 1)));
        if (s.loop) {
            if (std::abs(sampleAt(s, 0) - sampleAt(s, n - 1)) > largestStep)
                errors.push_back(who + ": the loop jumps where it wraps");
        } else if (std::abs(sampleAt(s, 0)) > 300 || std::abs(sampleAt(s, n - 1)) > 300) {
            errors.push_back(who + ": does not start and end at silence (a click)");
        }
    }
}

}  // namespace

std::vector<std::string> checkData(const GeneratedData& data) {
    std::vector<std::string> errors;
    checkPixels(data.startup, 0, "mouse.spr image 0", errors);
    if (data.startup.width > 320 || data.startup.height > 240) errors.push_back("mouse.spr: start-up picture larger than 320 x 240");
    checkSmall(data.small, errors);
    if (data.tiles.size() != TILE_COUNT) errors.push_back("smallf.spr: not 24 tiles");
    for (std::size_t i = 0; i < data.tiles.size(); ++i)
        if (data.tiles[i].width != 256 || data.tiles[i].height != 192) errors.push_back(name("smallf.spr", static_cast<int>(i)) + ": not 256 x 192");
    checkItems(data, errors);
    checkSounds(data.sounds, errors);
    if (data.icon.width != 32 || data.icon.height != 32) errors.push_back("icon: not 32 x 32");
    return errors;
}

}  // namespace datagen
