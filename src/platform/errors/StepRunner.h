#pragma once

#include <exception>

#include <QDebug>

// Window handlers do as much of an action as they can: a step that fails is skipped and the
// handler goes on with the next one. Each step is a callable; an exception ends only that step.
//   StepRunner::run([&] { media.setFileName(path); }, [&] { media.play(); });
class StepRunner {
public:
    template <typename... Steps> static void run(Steps &&...steps) { (step(steps), ...); }

private:
    template <typename Step> static void step(Step &step) noexcept
    {
        try {
            step();
        } catch (const std::exception &e) {
            qWarning("step skipped: %s", e.what());
        } catch (...) {
            qWarning("step skipped");
        }
    }
};
