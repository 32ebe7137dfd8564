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
    {0, 0, 640, 640, 480, 480, "panel canvas"},
    {1, 1, 1536, 1536, 768, 768, "landscape canvas"},
    {2, 3, 80, 80, 50, 50, "fortress (hit box 80 x 50)"},
    {4, 4, 80, 80, 10, 42, "top probe"},
    {5, 8, 80, 80, 1, 6, "ground probe (foot rows 44..49)"},
    {9, 13, 80, 200, 50, 200, "fortress canvas"},
    {14, 14, 8, 24, 8, 24, "mouse pointer"},
    {15, 15, 6, 10, 6, 10, "pointer hit image"},
    {37, 86, 10, 24, 60, 80, "banner"},
    {87, 91, 20, 38, 10, 38, "ground strip"},
    {93, 93, 100, 100, 10, 10, "power bar"},
    {103, 103, 100, 100, 10, 10, "power bar"},
    {104, 104, 24, 24, 24, 24, "weapon slot frame"},
    {106, 141, 10, 24, 10, 24, "MISSILE"},
    {142, 146, 64, 256, 64, 256, "ground texture"},
    {147, 182, 12, 28, 12, 28, "BIG MISSILE"},
    {183, 202, 8, 16, 8, 16, "GRENADE"},
    {203, 238, 10, 24, 10, 24, "DIRECT MISSILE"},
    {239, 248, 110, 130, 90, 110, "shield"},
    {249, 259, 10, 24, 10, 24, "GROUND DEFENSE"},
    {260, 270, 40, 70, 40, 70, "wall"},
    {271, 290, 8, 16, 8, 16, "BALL GRENADE"},
    {291, 326, 10, 24, 10, 24, "GIMLET"},
    {327, 346, 10, 18, 10, 18, "SUPER GRENADE"},
    {347, 356, 16, 32, 16, 32, "target marker"},
    {357, 378, 10, 24, 10, 24, "launch or flight picture"},
    {379, 379, 3, 10, 3, 10, "bomblet"},
    {380, 383, 12, 28, 12, 28, "BIG MISSILE launch"},
    {384, 384, 640, 640, 480, 480, "menu background"},
    {385, 424, 24, 24, 24, 24, "crate"},
    {425, 425, 24, 24, 2, 2, "crate probe"},
    {426, 436, 60, 100, 16, 40, "loading animation"},
    {437, 437, 100, 200, 50, 100, "loading picture"},
    {438, 439, 30, 48, 20, 32, "role button"},
    {440, 440, 40, 200, 16, 28, "PLAY GAME button"},
    {441, 441, 640, 640, 480, 480, "shop background"},
    {442, 443, 34, 34, 34, 34, "shop slot"},
    {444, 444, 30, 30, 30, 30, "panel frame"},
    {445, 445, 10, 24, 10, 24, "DEFENSE icon"},
    {446, 448, 120, 278, 24, 50, "menu item"},
    {449, 449, 378, 378, 256, 256, "panel texture tile"},
    {450, 454, 12, 28, 12, 28, "thinking icon"},
    {455, 464, 30, 100, 16, 28, "NEXT button"},
    {465, 465, 1024, 1024, 768, 768, "panel texture canvas"},
    {466, 466, 150, 320, 20, 60, "prompt"},
    {467, 472, 2, 16, 2, 16, "drop"},
    {473, 494, 40, 80, 24, 48, "cloud"},
    {495, 495, 1536, 1536, 768, 768, "terrain canvas"},
};

// Click targets and buttons placed on a 320 x 240 screen (the smallest mode), with the largest
// extra offset they are drawn at: each must lie wholly inside it, or it is not drawn at all.
struct ScreenFit {
    int first, last, x, y;
    const char* what;
};
constexpr ScreenFit SCREEN_FITS[] = {
    {446, 448, 32 + 10, 80 + 2 * 50 + 10, "menu item with its hover copy"},
    {385, 404, 160 - 12, 216, "shop buy button"},
    {440, 440, 80 - 20, 216 - 5, "PLAY GAME button"},
    {455, 464, 240 - 20, 216 - 5, "NEXT OPPONENT button"},
    {438, 439, 160 - 20, 144, "role button"},
    {2, 2, 160 - 40, 48, "colour button"},
};

// Where the explosion pictures' craters and damage shapes say they should be.
constexpr int EXPLOSION_FIRST = 16, EXPLOSION_LAST = 35;

// The game's foot offsets of the scenery items (set, item: left, right).
constexpr int FOOT_OFFSETS[ITEM_SET_COUNT][4][2] = {
    {{44, 44}, {90, 90}, {137, 137}, {66, 66}},
    {{60, 60}, {51, 51}, {75, 84}, {0, 0}},
    {{80, 79}, {92, 88}, {88, 88}, {77, 79}},
};

constexpr int SOUND_IDS[] = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25};

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
    for (int id : SOUND_IDS) {
        const auto it = std::find_if(sounds.begin(), sounds.end(), [&](const BankSound& s) { return s.id == id; });
        const std::string who = "sound.sdf id " + std::to_string(id);
        if (it == sounds.end()) {
            errors.push_back(who + ": missing");
            continue;
        }
        const BankSound& s = *it;
        if (s.rate != 44100 || s.bits != 16 || s.channels != 1 || s.data.size() < 200)
            errors.push_back(who + ": not 44100 Hz 16-bit mono, or too short");
        if ((s.loop == 1) != (id == 23 || id == 24)) errors.push_back(who + ": wrong loop flag");
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
