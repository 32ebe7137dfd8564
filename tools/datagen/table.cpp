#include "datagen/table.h"

#include <stdexcept>

#include "datagen/canvas.h"

namespace datagen {

void SmallTable::put(int index, SpriteImage image, std::uint8_t rules) {
    Picture& p = pictures_.at(static_cast<std::size_t>(index));
    if (p.set) throw std::logic_error("small.spr index " + std::to_string(index) + " drawn twice");
    p = {std::move(image), rules, true};
}

std::vector<SpriteImage> SmallTable::images() const {
    std::vector<SpriteImage> out;
    out.reserve(pictures_.size());
    for (const Picture& p : pictures_) out.push_back(p.set ? p.image : blankImage(1, 1));
    return out;
}

}  // namespace datagen
