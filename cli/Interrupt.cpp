#include "cli/Interrupt.h"

#include "cli/ExitStatus.h"

#include <csignal>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t g_bRunActive = 0;
volatile std::sig_atomic_t g_bInterrupted = 0;

extern "C" void OnInterrupt(int) {
    if (g_bRunActive == 0) {
        _exit(static_cast<int>(ExitStatus::Cancelled));
    }
    g_bInterrupted = 1;
}

} // namespace

void InstallInterruptHandler() {
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
}

void SetRunActive() {
    g_bRunActive = 1;
}

bool InterruptRequested() {
    return g_bInterrupted != 0;
}
