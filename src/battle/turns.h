// A human player's turn, the launch of a shot, and the hand-over to the next player.
#pragma once

extern float directTargetX;
extern float directTargetY;

void humanTurnStep();
void launchShot(float vx, float vy);
void endTurnStep();
