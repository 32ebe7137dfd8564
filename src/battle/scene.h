// One battle frame drawn into the back buffer: sky, landscape, fortresses, projectiles, HUD.
#pragma once

void drawBattleScene();
void drawPowerBar();
