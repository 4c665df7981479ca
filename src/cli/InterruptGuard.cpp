#include "InterruptGuard.h"

#include <csignal>

namespace {
volatile std::sig_atomic_t interrupted = 0;
extern "C" void onInterrupt(int) { interrupted = 1; }
} // namespace

InterruptGuard::InterruptGuard()
{
    interrupted = 0;
    m_interrupt = std::signal(SIGINT, onInterrupt);
    m_terminate = std::signal(SIGTERM, onInterrupt);
    // A closed terminal ends a command as Ctrl-C does, cleaning up after itself.
    m_hangUp = std::signal(SIGHUP, onInterrupt);
}

InterruptGuard::~InterruptGuard()
{
    std::signal(SIGINT, m_interrupt);
    std::signal(SIGTERM, m_terminate);
    std::signal(SIGHUP, m_hangUp);
}

bool InterruptGuard::raised() { return interrupted != 0; }
