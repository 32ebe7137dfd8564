#include "app/data_dir.h"

#include <vector>
#include <system_error>

namespace fs = std::filesystem;

namespace {
// The first file the game loads; a directory without it holds no game data.
bool holdsGameData(const fs::path& dir) {
    std::error_code ec;
    return fs::is_regular_file(dir / "mouse.spr", ec);
}
}  // namespace

fs::path chooseDataDirectory(const std::string& given, const fs::path& current,
                             std::span<const fs::path> builtIn) {
    if (!given.empty()) return given;
    if (holdsGameData(current)) return current;
    for (const fs::path& dir : builtIn) {
        std::error_code ec;
        if (fs::is_directory(dir, ec)) return dir;
    }
    return current;
}

bool enterDataDirectory(const std::string& given, std::string& chosen, std::string& error) {
    std::error_code ec;
    const fs::path current = fs::current_path(ec);
    // An installed game finds its data beside its own binary (bin/../share/ramparo) first, so a
    // copy installed from a build tree never reads that tree's data, and an install stays
    // relocatable; a game started from the build tree has no such directory and takes the tree's.
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    const fs::path besideBinary = ec ? fs::path() : exe.parent_path().parent_path() / "share" / "ramparo";
    std::vector<fs::path> builtIn;
    if (!besideBinary.empty() && holdsGameData(besideBinary)) builtIn.push_back(besideBinary);
    builtIn.push_back(RAMPARO_BUILD_DATA_DIR);
    builtIn.push_back(RAMPARO_INSTALL_DATA_DIR);
    const fs::path dir = chooseDataDirectory(given, current, builtIn);
    fs::current_path(dir, ec);
    if (ec) {
        error = "cannot use the data directory '" + dir.string() + "': " + ec.message();
        return false;
    }
    chosen = fs::current_path(ec).string();
    return true;
}
