// One battle frame drawn into the back buffer: sky, landscape, fortresses, projectiles, HUD.
#pragma once

struct Battle;

void drawBattleScene(Battle& battle);
void drawPowerBar();
