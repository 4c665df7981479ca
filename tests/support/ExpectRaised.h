#pragma once

#include <functional>

#include <gtest/gtest.h>

#include "RaisedError.h"

// Runs call and checks the RaisedError it must raise.
inline void expectRaised(const std::function<void()> &call, int number, const char *source,
                         const char *description)
{
    try {
        call();
        ADD_FAILURE() << "no error, expected " << number;
    } catch (const RaisedError &e) {
        EXPECT_EQ(e.number(), number);
        EXPECT_EQ(e.source(), QLatin1String(source));
        EXPECT_EQ(e.description(), QLatin1String(description));
    }
}
