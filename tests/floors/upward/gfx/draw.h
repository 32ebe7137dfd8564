// A floor that reaches up: the floor check must name this line.
#pragma once

#include "battle/battle_state.h"
#include "core/settings.h"
