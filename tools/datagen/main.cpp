// ramparo_datagen OUTPUT_DIR: draws, synthesises, checks and writes every data file of the game,
// plus the desktop icons "icon-<size>.png" and a contact sheet of every picture.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "datagen/generator.h"
#include "datagen/pictures.h"
#include "platform/png.h"

namespace {

bool writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

bool writePng(const std::filesystem::path& path, const SpriteImage& image) {
    return platform::savePng(path.string(), {image.pixels.data(), image.width, image.height, image.width}, 1);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: ramparo_datagen OUTPUT_DIR\n");
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);

    const datagen::GeneratedData data = datagen::generateData();
    const std::vector<std::string> errors = datagen::checkData(data);
    if (!errors.empty()) {
        for (const std::string& e : errors) std::fprintf(stderr, "ramparo_datagen: %s\n", e.c_str());
        std::fprintf(stderr, "ramparo_datagen: %zu rule(s) broken; no file written\n", errors.size());
        return 1;
    }
    const std::vector<datagen::DataFile> files = datagen::encodeData(data);
    if (const std::vector<std::string> unread = datagen::checkReadBack(data, files); !unread.empty()) {
        for (const std::string& e : unread) std::fprintf(stderr, "ramparo_datagen: %s\n", e.c_str());
        std::fprintf(stderr, "ramparo_datagen: the game would not read its data back; no file written\n");
        return 1;
    }
    for (const auto& [name, bytes] : files)
        if (!writeFile(dir / name, bytes)) {
            std::fprintf(stderr, "ramparo_datagen: cannot write %s\n", (dir / name).string().c_str());
            return 1;
        }
    bool written = writePng(dir / "contact-sheet.png", datagen::contactSheet(data));
    for (int size : datagen::ICON_SIZES) {
        const std::vector<std::uint8_t> rgba = datagen::toRgba8(datagen::drawIconCanvas(size));
        written = written && platform::saveRgbaPng((dir / ("icon-" + std::to_string(size) + ".png")).string(),
                                                   rgba.data(), size, size);
    }
    if (!written) {
        std::fprintf(stderr, "ramparo_datagen: cannot write the PNG files in %s\n", dir.string().c_str());
        return 1;
    }
    return 0;
}
