#include "datagen/generator.h"

#include "datagen/pictures.h"
#include "datagen/sounds.h"

namespace datagen {

namespace {

constexpr int TILE_W = 256, TILE_H = 192;

void put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}


}  // namespace

std::vector<SpriteImage> itemImages(const std::vector<SceneryItem>& items) {
    std::vector<SpriteImage> out;
    for (const SceneryItem& item : items) {
        out.push_back(item.body);
        out.push_back(item.probeLeft);
        out.push_back(item.probeRight);
    }
    return out;
}

GeneratedData generateData() {
    GeneratedData data;
    data.startup = drawStartupPicture();
    drawInterface(data.small);
    drawFortressPictures(data.small);
    drawExplosions(data.small);
    drawProjectiles(data.small);
    drawSceneries(data.small);
    drawWeather(data.small);
    data.tiles.assign(TILE_COUNT, blankImage(TILE_W, TILE_H));
    data.items = drawSceneryItems();
    data.sounds = makeSounds();
    data.icon = drawIcon();
    return data;
}

std::vector<DataFile> encodeData(const GeneratedData& data) {
    std::vector<DataFile> files;
    const std::vector<SpriteImage> startup{data.startup};
    files.emplace_back("mouse.spr", encodeSpriteFile(startup));
    files.emplace_back("small.spr", encodeSpriteFile(data.small.images()));
    files.emplace_back("smallf.spr", encodeSpriteFile(data.tiles));
    for (int set = 0; set < ITEM_SET_COUNT; ++set)
        files.emplace_back("it" + std::to_string(set + 1) + ".spr", encodeSpriteFile(itemImages(data.items[set])));
    files.emplace_back("sound.sdf", encodeSoundBank(data.sounds));
    // 640 x 480, wait for the vertical blank, show the refresh message, weather on.
    files.emplace_back("game.ini", std::vector<std::uint8_t>{1, 0, 0, 1});
    files.emplace_back("icon.bmp", encodeBmp(data.icon));
    return files;
}

std::vector<std::uint8_t> encodeBmp(const SpriteImage& image) {
    constexpr std::uint32_t FILE_HEADER = 14, INFO_HEADER = 108;  // BITMAPV4HEADER: carries the alpha mask
    const std::uint32_t pixelBytes = 4u * image.width * image.height;
    std::vector<std::uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    put32(out, FILE_HEADER + INFO_HEADER + pixelBytes);
    put32(out, 0);
    put32(out, FILE_HEADER + INFO_HEADER);
    put32(out, INFO_HEADER);
    put32(out, image.width);
    put32(out, image.height);  // positive: rows bottom-up
    put16(out, 1);
    put16(out, 32);
    put32(out, 3);  // BI_BITFIELDS
    put32(out, pixelBytes);
    put32(out, 2835);
    put32(out, 2835);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0x00FF0000);
    put32(out, 0x0000FF00);
    put32(out, 0x000000FF);
    put32(out, 0xFF000000);
    put32(out, 0x73524742);  // 'sRGB'
    for (int i = 0; i < 12; ++i) put32(out, 0);  // endpoints and gamma, unused with sRGB
    for (int y = image.height - 1; y >= 0; --y)
        for (int x = 0; x < image.width; ++x) {
            const std::uint16_t p = image.pixels[static_cast<std::size_t>(y) * image.width + x];
            auto expand = [](int c5) { return static_cast<std::uint8_t>(c5 << 3 | c5 >> 2); };
            out.push_back(expand(p & 31));
            out.push_back(expand((p >> 5) & 31));
            out.push_back(expand((p >> 10) & 31));
            out.push_back(p ? 0xFF : 0x00);
        }
    return out;
}

}  // namespace datagen
