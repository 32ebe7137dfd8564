// The game's screens outside the battle itself.
#pragma once

struct Battle;

// gameFlowMain, the game thread's whole life, is in screens/game_flow.h.
// Plays battle after battle; 1 when the user left (Esc confirmed in a battle or in the shop).
int runBattle(Battle& battle);
void initPlayers();
void newGameReset();
// 1 to play (two players or more set up), 0 when left with Escape.
int playerSetup();
void showTitleScreen();
// mode 1: asked from a battle (the scene stays behind the question); 2: from the shop.
// 1 when the player pressed Y, 0 for N.
int confirmQuit(int mode, Battle* battle = nullptr);
void showResults(Battle& battle);
// 1 when the user left with Escape and confirmed, 0 when every player has finished shopping.
int shopRound();
