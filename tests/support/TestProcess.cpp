#include "TestProcess.h"

#include <cstdio>
#include <cstdlib>

// Present only in builds with coverage.
extern "C" void __gcov_dump() __attribute__((weak));

void TestProcess::end(int failed)
{
    std::fflush(nullptr);
    if (__gcov_dump)
        __gcov_dump();
    std::_Exit(failed);
}
