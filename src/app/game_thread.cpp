#include "app/game_thread.h"

#include "app/main_frame.h"
#include "screens/game_flow.h"

int CThread::Run() {
    try {
        gameFlowMain(gameWindow);
    } catch (const platform::QuitRequested&) {
        // The window was closed or the run reached its end: nothing is saved, so nothing is lost.
    }
    return 1;
}
