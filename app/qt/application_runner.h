#pragma once

// Starts the Qt application with the program's arguments, opens the
// calculator window and runs the event loop; returns the exit status.
// Without a display to open the window on, it says so and returns 1.
int runApplication(int argc, char** argv);
