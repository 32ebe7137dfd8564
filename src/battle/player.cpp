#include "battle/player.h"

Player players[MAX_PLAYERS];
