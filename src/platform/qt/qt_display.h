#pragma once
// Whether a display can be reached before the toolkit is started: Qt aborts the process when its
// platform plugin cannot connect, and the program should rather say so and exit.
bool DisplayAvailable();
