#pragma once

#include <QString>

// Where the running program's file lies, without an application object: the programs that come
// with it are looked for beside it.
class RunningProgram {
public:
    // Empty when the system does not say.
    static QString folder();
};
