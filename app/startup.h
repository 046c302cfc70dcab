// The program from start to end.
#pragma once

// Builds the window, runs the event loop until the window is closed, shuts
// down, and returns the exit code.
int RunDiplexer();

// Takes events and hands them to the dispatcher until it says to end.
void RunEventLoop();

// The toolkit's view of the window's fields, for the model.
void ConnectModelToWindow();
