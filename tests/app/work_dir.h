// Runs a test in an empty directory of its own: the game reads its files from the working directory.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

class WorkDir {
public:
    WorkDir() {
        std::filesystem::create_directories(path);
        std::filesystem::current_path(path);
    }
    ~WorkDir() {
        std::filesystem::current_path(previous);
        std::filesystem::remove_all(path);
    }
    static void writeIni(const std::vector<std::uint8_t>& bytes) {
        std::ofstream file("game.ini", std::ios::binary);
        file.write(reinterpret_cast<const char*>(bytes.data()), std::ssize(bytes));
    }

private:
    const std::filesystem::path previous = std::filesystem::current_path();
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("ramparo_test_" + std::to_string(::getpid()));
};
