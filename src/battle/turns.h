// A human player's turn, the launch of a shot, and the hand-over to the next player.
#pragma once

struct Battle;

void humanTurnStep(Battle& battle);
void launchShot(float vx, float vy);
void endTurnStep(Battle& battle);
