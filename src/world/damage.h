// Craters cut into the landscape, and keeping the tiles in step with it.
#pragma once

// Digs a round hole of radius r at (cx, cy) into LANDSCAPE_IMAGE with a rim in the scenery's
// edge colour. Covers columns cx - r .. cx + r - 1 and rows cy - r .. cy + r - 1 (so the rim
// reaches one pixel further left and up); sky stays sky. Then refreshTiles(cx, cy, r).
void carveCrater(int cx, int cy, int r);

// Draws the ground strip again and recopies the tiles that the square of half-size r around
// (cx, cy) reaches.
void refreshTiles(int cx, int cy, int r);
