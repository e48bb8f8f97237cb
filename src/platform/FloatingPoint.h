#pragma once

// Masks every floating-point exception on the calling thread, so a fault in the program or the
// engine yields inf or NaN instead of a trap. Call it on the window thread and on the worker.
void MaskFloatingPointExceptions();
