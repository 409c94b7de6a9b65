#pragma once

// The program run as a command (render, table, eval, --help, --version, or
// arguments that are not all existing scene files): main then hands over to RunHeadless.
bool IsCommandLine(int argc, char* argv[]);

// Runs the command on the offscreen platform whatever the environment says, with
// no more of Qt started than it needs, and returns its exit code.
int RunHeadless(int argc, char* argv[]);
