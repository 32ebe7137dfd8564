// The game thread's whole life: from the first picture to the exit from the menu.
#pragma once

class CMainFrame;

void gameFlowMain(CMainFrame* window);

// The three menu items, the hovered one standing on two offset copies of itself; sets menuChoice
// and plays the hover sound when the pointer comes onto another item.
void drawMenu();
// drawMenu, then the pointer.
void drawMenuFrame();
