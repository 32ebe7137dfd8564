// The data generator as a library: draws and synthesises everything, checks it against the
// game's rules and encodes the files. The `ramparo_datagen` program and the tests call it.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "datagen/table.h"

namespace datagen {

using DataFile = std::pair<std::string, std::vector<std::uint8_t>>;

GeneratedData generateData();

// Every broken rule, one line each; empty when the data is good.
std::vector<std::string> checkData(const GeneratedData& data);

// A scenery set as it is stored: body, left probe and right probe of every item in turn.
std::vector<SpriteImage> itemImages(const std::vector<SceneryItem>& items);

// The game's files by name: the sprite files, "sound.sdf", "game.ini" and "icon.bmp".
std::vector<DataFile> encodeData(const GeneratedData& data);

// Every file that the game's own sprite and sound readers would read differently from what was
// drawn and synthesised, one line each; empty when all read back exactly.
std::vector<std::string> checkReadBack(const GeneratedData& data, const std::vector<DataFile>& files);

// A 32-bit BMP with an alpha channel (transparent where the picture's pixel is 0).
std::vector<std::uint8_t> encodeBmp(const SpriteImage& image);

// The sizes of the desktop icons "icon-<size>.png" (hicolor theme); tools/CMakeLists.txt installs them.
inline constexpr int ICON_SIZES[] = {16, 24, 32, 48, 64, 128, 256};

// Every picture with its index on a checkered background, as 5-5-5 pixels.
SpriteImage contactSheet(const GeneratedData& data);

}  // namespace datagen
