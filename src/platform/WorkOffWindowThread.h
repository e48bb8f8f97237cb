#pragma once

#include <functional>

// Runs `work` on a thread of its own and returns when it is done. Meanwhile the calling (window)
// thread goes on painting and handling timers and posted messages but takes no user input (mouse,
// keys, closing a window), which waits until the work is done: a slow disk never freezes the
// windows, and nothing the user does runs in the middle of the work. An exception the work throws
// is thrown again here.
void WorkOffWindowThread(const std::function<void()> &work);
