// Stands in for definitions that land with the application start-up.
#include "gfx/text.h"

int fontHeight = 0;
