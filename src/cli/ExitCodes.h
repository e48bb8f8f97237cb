#pragma once

// The command line's exit status.
namespace ExitCode {
enum : int {
    Done = 0,          // every file was done
    SomeFailed = 1,    // at least one file failed; the others were still done
    Usage = 2,         // the command line was wrong
    EngineMissing = 3, // the engine library or one of its entry points cannot be loaded
    SignalBase = 128,  // plus the signal that stopped the run: 130 for Ctrl-C
};
}
