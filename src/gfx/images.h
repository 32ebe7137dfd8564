// The image tables and the sprite files that fill them.
#pragma once

#include <cstdint>
#include <memory>

#include "core/pictures.h"
#include "gfx/surface.h"

struct ImageEntry {
    std::unique_ptr<Surface> surface;  // none when the entry is empty or its creation failed
    std::uint16_t width = 0;           // 0: empty entry
    std::uint16_t height = 0;
};

constexpr int RAZNOE_SIZE = 1024;
constexpr int SPRIT_SIZE = 100;
constexpr int FON_SIZE = 100;

// Allocated by the game initialisation; null until then.
extern ImageEntry* raznoe;
extern ImageEntry* sprit;
extern ImageEntry* fon;

// Allocates the three tables with every entry empty; reports "no memory ..." and returns false
// when a table cannot be had.
bool AllocateImageTables();

void LoadStartupImages();
void LoadGameImages();
void LoadSceneryImages(const char* fileName);
void ReloadVideoImages();
