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
}

InterruptGuard::~InterruptGuard()
{
    std::signal(SIGINT, m_interrupt);
    std::signal(SIGTERM, m_terminate);
}

bool InterruptGuard::raised() { return interrupted != 0; }
