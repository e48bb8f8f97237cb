#include "StopSignal.h"

#include <atomic>
#include <csignal>
#include <signal.h>

namespace {

// Read from the conversion and copy threads as well as set in the handler: an atomic that needs
// no lock is safe in both.
std::atomic<int> received{0};
static_assert(std::atomic<int>::is_always_lock_free);

extern "C" void OnStopSignal(int signalNumber)
{
    if (received.load() != 0) {
        std::signal(signalNumber, SIG_DFL);
        std::raise(signalNumber);
        return;
    }
    received.store(signalNumber);
}

} // namespace

void StopSignal::Install()
{
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    // Interrupted reads and writes restart: the work goes on until it polls the request.
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

int StopSignal::Received()
{
    return received.load();
}
