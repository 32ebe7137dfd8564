// Drawing straight onto the visible surface: the front buffer is shown again as it now stands.
#pragma once

// Shows primarySurface again without a flip or a vertical-blank wait.
void PresentFrontBuffer();
