#pragma once

// The program run as a command (render, table, eval, --help): true when the
// arguments name one, and then main hands over to RunHeadless.
bool IsCommandLine(int argc, char* argv[]);

// Runs the command on the offscreen platform whatever the environment says, with
// no more of Qt started than it needs, and returns its exit code.
int RunHeadless(int argc, char* argv[]);
