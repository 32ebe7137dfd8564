// The directory the game reads its files from. The game itself reads everything from its working
// directory; changing into the data directory first lets `ramparo` start from anywhere.
#pragma once

#include <filesystem>
#include <span>
#include <string>

// `given` (--data) when not empty; else `current` when it holds the game's data; else the first
// existing directory of `builtIn`; else `current`, where the game then reports what is missing.
std::filesystem::path chooseDataDirectory(const std::string& given, const std::filesystem::path& current,
                                          std::span<const std::filesystem::path> builtIn);

// Chooses with the build tree's and the installed data directory and changes into it. False with a
// message in error when the directory cannot be entered.
bool enterDataDirectory(const std::string& given, std::string& chosen, std::string& error);
