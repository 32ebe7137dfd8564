// Full-screen pictures: the menu and shop backgrounds and the start-up picture.
#pragma once

#include "gfx/sprite_writer.h"

namespace datagen {

SpriteImage drawMenuBackground();
SpriteImage drawShopBackground();

}  // namespace datagen
