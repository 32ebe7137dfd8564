// The game thread: it runs the game flow from start to exit.
#pragma once

class CThread {
public:
    // Runs the game flow on gameWindow; 1 when it has ended, which ends the thread.
    int Run();
};
