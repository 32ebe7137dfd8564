// The game thread's whole life: from the first picture to the exit from the menu.
#pragma once

class CMainFrame;

void gameFlowMain(CMainFrame* window);
