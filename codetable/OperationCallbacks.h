// What a long table operation tells its front end while it runs: how far it
// has come, and the text reports a front end may show (the settings page
// shows only the progress; the command-line tool prints the reports).
#pragma once

#include <cstdint>
#include <string_view>

class OperationCallbacks {
public:
    virtual void Progress(uint64_t position, uint64_t total) = 0;
    virtual void Report(std::u16string_view text) = 0;

protected:
    ~OperationCallbacks() = default;
};
