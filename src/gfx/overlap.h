// Contact by pictures: the byte rules here decide hits, clicks and damage.
#pragma once

#include <cstdint>

#include "gfx/images.h"

bool ImagesOverlap(const ImageEntry& a, std::int32_t xA, std::int32_t yA, const ImageEntry& b, std::int32_t xB,
                   std::int32_t yB);
bool PointOnImage(std::int32_t px, std::int32_t py, const ImageEntry& b, std::int32_t xB, std::int32_t yB);
// Erases b's pixels under a's shape; returns the number of byte positions that erased something.
std::uint16_t EraseOverlap(const ImageEntry& a, std::int32_t xA, std::int32_t yA, ImageEntry& b, std::int32_t xB,
                           std::int32_t yB);
