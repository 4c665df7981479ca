#pragma once

// How a test program ends. Qt Multimedia's PulseAudio engine can still be answering a server
// event while the application object and the library's globals are torn down (an abort inside
// libpulse after every test passed), so the process ends at once when its tests are done, with
// output flushed and coverage data written.
class TestProcess {
public:
    [[noreturn]] static void end(int failed);
};
