#include "gfx/images.h"

#include <cstring>
#include <new>

#include "core/error_box.h"
#include "gfx/display.h"
#include "gfx/draw.h"
#include "gfx/sprite_file.h"

ImageEntry* raznoe = nullptr;
ImageEntry* sprit = nullptr;
ImageEntry* fon = nullptr;

namespace {

std::unique_ptr<ImageEntry[]> raznoeTable;
std::unique_ptr<ImageEntry[]> spritTable;
std::unique_ptr<ImageEntry[]> fonTable;

// Where an image lives. Both kinds are the same pixel store here; what differs is that a lost
// display takes the "video" images with it, so ReloadVideoImages recreates exactly those.
enum class Memory { System, Video };
using PlacementRule = Memory (*)(int index);

Memory allSystem(int) { return Memory::System; }
Memory allVideo(int) { return Memory::Video; }
// "small.spr": the panel canvas, the shop background and the weather images are drawn every frame
// or scaled to the screen; every other image, including the canvases read back pixel by pixel,
// stays in system memory.
Memory smallPlacement(int index) {
    const bool weather = index >= RAIN_FRONT_IMAGE && index < DARK_CLOUD_IMAGE + CLOUD_FRAMES;
    return index == STARTUP_IMAGE || index == SHOP_BACKGROUND || weather ? Memory::Video : Memory::System;
}

enum class Entries { All, VideoOnly };

constexpr int TILE_COLUMNS = 6;
constexpr int TILE_ROWS = 4;
constexpr int TILE_WIDTH = 256;
constexpr int TILE_HEIGHT = 192;

ImageEntry* allocateTable(std::unique_ptr<ImageEntry[]>& owner, int size, const char* failure) {
    owner.reset(new (std::nothrow) ImageEntry[size]);
    if (!owner) errorBox(failure, "");
    return owner.get();
}

template <class T>
bool allocateArray(std::vector<T>& array, const char* failure) {
    try {
        array.assign(SPRITE_FILE_MAX_IMAGES, 0);
        return true;
    } catch (const std::bad_alloc&) {
        errorBox(failure, "");
        return false;
    }
}

std::unique_ptr<Surface> CreateImageSurface(const ImageEntry& entry, Memory memory) {
    try {
        return std::make_unique<Surface>(entry.width, entry.height);
    } catch (const std::bad_alloc&) {
        errorBox(memory == Memory::Video ? "ERROR DIRECT X Create surface video SPR no memory system"
                                         : "ERROR DIRECT X Create surface ld");
        return nullptr;
    }
}

void CopyPixelsToSurface(Surface* surface, int width, int height, std::uint32_t offset,
                         const std::vector<std::uint16_t>& pixels) {
    if (!surface) return;
    const std::uint16_t* source = pixels.data() + offset;
    for (int y = 0; y < height; ++y, source += width)
        std::memcpy(surface->row(y), source, static_cast<std::size_t>(width) * sizeof(std::uint16_t));
}

void loadIntoTable(const char* fileName, ImageEntry* table, int tableSize, PlacementRule placement,
                   Entries entries) {
    if (!table) return;
    SpriteSheet sheet;
    if (!allocateArray(sheet.widths, "no memory 2") || !allocateArray(sheet.heights, "no memory 3") ||
        !allocateArray(sheet.offsets, "no memory 4"))
        return;
    LoadSpriteFile(fileName, sheet);
    for (int i = 0; i < tableSize && i < SPRITE_FILE_MAX_IMAGES && sheet.widths[i] != 0; ++i) {
        const Memory memory = placement(i);
        if (entries == Entries::VideoOnly && memory != Memory::Video) continue;
        ImageEntry& entry = table[i];
        entry.surface.reset();
        entry.width = sheet.widths[i];
        entry.height = sheet.heights[i];
        entry.surface = CreateImageSurface(entry, memory);
        CopyPixelsToSurface(entry.surface.get(), entry.width, entry.height, sheet.offsets[i], sheet.pixels);
    }
}

}  // namespace

bool AllocateImageTables() {
    raznoe = allocateTable(raznoeTable, RAZNOE_SIZE, "no memory raznoe");
    sprit = allocateTable(spritTable, SPRIT_SIZE, "no memory sprit");
    fon = allocateTable(fonTable, FON_SIZE, "no memory fon");
    return raznoe && sprit && fon;
}

void LoadStartupImages() { loadIntoTable("mouse.spr", raznoe, RAZNOE_SIZE, allSystem, Entries::All); }

void LoadGameImages() {
    loadIntoTable("smallf.spr", fon, FON_SIZE, allVideo, Entries::All);
    loadIntoTable("small.spr", raznoe, RAZNOE_SIZE, smallPlacement, Entries::All);
}

void LoadSceneryImages(const char* fileName) {
    // Surfaces stay until overwritten; clearing the widths hides a larger previous set.
    if (sprit)
        for (int i = 0; i < SPRIT_SIZE; ++i) sprit[i].width = 0;
    loadIntoTable(fileName, sprit, SPRIT_SIZE, allSystem, Entries::All);
}

void ReloadVideoImages() {
    loadIntoTable("smallf.spr", fon, FON_SIZE, allVideo, Entries::VideoOnly);
    loadIntoTable("small.spr", raznoe, RAZNOE_SIZE, smallPlacement, Entries::VideoOnly);
    if (!fon || !raznoe) return;
    for (int row = 0; row < TILE_ROWS; ++row) {
        for (int column = 0; column < TILE_COLUMNS; ++column) {
            Surface* tile = fon[row * TILE_COLUMNS + column].surface.get();
            FillSurface(tile, 0);
            DrawImagePart(tile, raznoe[LANDSCAPE_IMAGE], 0, 0, column * TILE_WIDTH, row * TILE_HEIGHT,
                          (column + 1) * TILE_WIDTH, (row + 1) * TILE_HEIGHT);
        }
    }
}
