// What a joining machine must share with the host: the files the game's pixels and sounds come from,
// the build and the processor (float results are only promised the same on the same architecture).
#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/font.h"
#include "platform/net/session.h"

namespace platform::net {

namespace {

// FNV-1a over bytes: a digest to tell files apart, not a defence against anyone.
class Digest {
public:
    void add(const char* bytes, std::size_t size) {
        for (std::size_t i = 0; i < size; ++i) value = (value ^ static_cast<unsigned char>(bytes[i])) * 0x100000001b3u;
    }
    void add(const std::string& text) { add(text.data(), text.size() + 1); }
    bool addFile(const std::filesystem::path& path) {
        std::ifstream file(path, std::ios::binary);
        if (!file) return false;
        std::array<char, 64 * 1024> buffer;
        while (file.read(buffer.data(), buffer.size()) || file.gcount() > 0)
            add(buffer.data(), static_cast<std::size_t>(file.gcount()));
        return true;
    }
    std::uint64_t value = 0xcbf29ce484222325u;
};

// The sprite files, the sound bank and the level file: everything the game reads but its settings.
bool gameDataFile(const std::filesystem::path& path) {
    const std::string extension = path.extension().string();
    return extension == ".spr" || extension == ".sdf" || extension == ".frc";
}

std::string architecture() {
#if defined(__x86_64__)
    std::string name = "x86-64";
#elif defined(__aarch64__)
    std::string name = "arm64";
#elif defined(__i386__)
    std::string name = "x86";
#else
    std::string name = "other";
#endif
#if __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
    name += " big-endian";
#endif
    return name;
}

}  // namespace

Identity localIdentity(const std::string& gameVersion) {
    Identity identity;
    identity.gameVersion = gameVersion;
    identity.architecture = architecture();
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(".", error))
        if (entry.is_regular_file(error) && gameDataFile(entry.path())) files.push_back(entry.path().filename());
    std::ranges::sort(files);
    Digest data;
    for (const std::filesystem::path& file : files) {
        data.add(file.string());
        data.addFile(file);
    }
    identity.dataDigest = data.value;
    Digest font;
    if (const std::string file = gameFontFile(); !file.empty()) font.addFile(file);
    identity.fontDigest = font.value;
    return identity;
}

}  // namespace platform::net
