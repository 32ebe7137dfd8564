// The game thread's whole life: from the first picture to the exit from the menu.
#pragma once

#include <cstdint>

class CMainFrame;

void gameFlowMain(CMainFrame* window);

// The menu item under the pointer (0..2), or none.
constexpr std::int16_t MENU_NONE = 10;

// The three menu items, the hovered one standing on two offset copies of itself; sets menuChoice
// (the menu's own, kept from frame to frame) and plays the hover sound when the pointer comes
// onto another item.
void drawMenu(std::int16_t& menuChoice);
// drawMenu, then the pointer.
void drawMenuFrame(std::int16_t& menuChoice);
