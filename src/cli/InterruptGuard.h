#pragma once

// While one lives, Ctrl-C, termination and hang-up only raise a flag, so that a command can stop at
// a safe point and clean up; the previous handlers come back when it ends.
class InterruptGuard {
public:
    InterruptGuard();
    ~InterruptGuard();
    InterruptGuard(const InterruptGuard &) = delete;
    InterruptGuard &operator=(const InterruptGuard &) = delete;

    static bool raised();

private:
    void (*m_interrupt)(int);
    void (*m_terminate)(int);
    void (*m_hangUp)(int);
};
