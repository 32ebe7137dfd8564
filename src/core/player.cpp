#include "core/player.h"

Player players[MAX_PLAYERS];
