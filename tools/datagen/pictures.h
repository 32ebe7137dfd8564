// The picture topics of the generator. Each fills its indices of the `raznoe` table (or returns
// its own file's pictures); the indices are the game's, named in core/pictures.h.
#pragma once

#include "datagen/canvas.h"
#include "datagen/table.h"

namespace datagen {

// The five player colours of the banners, in colour-index order: red, blue, white, green, yellow.
Rgb playerColour(int colour);

// The fortress drawn with its top-left corner at (ox, oy) and `s` pixels per fortress pixel.
void paintFortress(Canvas& canvas, float ox, float oy, float s);
// A banner pole with its flag in phase `phase` (0..1 of a wave), pole foot at (ox + 2s, oy + 75s).
void paintBanner(Canvas& canvas, float ox, float oy, float s, Rgb colour, float phase);
// A missile pointing up, centred on (cx, cy), with a flame of size 0..1 below it.
void paintMissile(Canvas& c, float cx, float cy, float length, float radius, Rgb body, Rgb nose, Rgb fins, float flame);
// A grenade in the middle of the canvas, turned by `angle` degrees clockwise.
void paintGrenade(Canvas& c, float size, Rgb body, Rgb band, float angle, bool spikes);
// Masonry that shows its bricks: used by the fortress, the wall and the ruins.
Paint brickPaint(Rgb base, float brickW, float brickH, std::uint32_t seed);

void drawFortressPictures(SmallTable& table);  // fortresses, banners, shield, the computer's gear
void drawProjectiles(SmallTable& table);       // flight, launch and icon pictures of the weapons
void drawExplosions(SmallTable& table);        // explosions and the wall
void drawInterface(SmallTable& table);         // canvases, pointer, bars, menus, buttons, crates, panel
void drawWeather(SmallTable& table);           // drops and clouds
void drawSceneries(SmallTable& table);         // ground strips and textures
std::array<std::vector<SceneryItem>, ITEM_SET_COUNT> drawSceneryItems();
SpriteImage drawStartupPicture();
// The application icon, size x size pixels (the desktop's sizes: 16 to 256).
Canvas drawIconCanvas(int size);
SpriteImage drawIcon();  // the 32 x 32 window icon

}  // namespace datagen
