#include "StopSignal.h"

#include <csignal>
#include <signal.h>

namespace {

volatile std::sig_atomic_t received = 0;

extern "C" void OnStopSignal(int signalNumber)
{
    if (received != 0) {
        std::signal(signalNumber, SIG_DFL);
        std::raise(signalNumber);
        return;
    }
    received = signalNumber;
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
    return received;
}
