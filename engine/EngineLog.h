// What the engine tells a user who started the program from a terminal: one line on standard error
// for each failed call, naming the stage and the reason. FFmpeg's own messages are held back unless
// fatal, since a damaged file makes the decoders report dozens of concealed errors that end well.
#pragma once

#include <string>

// Routes FFmpeg's messages through the filter; the library calls it once when it is loaded.
void installLogFilter();

// "DVDEncoder: <operation> failed at <stage> <file>: <reason>", the reason from the error code; the
// reason in the user's words also becomes the calling thread's failure reason.
void logFailure(const char *operation, const char *stage, const std::string &file, int error);
