#pragma once

#include <functional>
#include <ostream>
#include <sstream>
#include <string>

namespace qingtan::test {

// What a command-line tool run in-process wrote, and how it ended.
struct CommandOutput {
    std::string out;
    std::string err;

    // Runs `command` with fresh output and error streams, keeps what it wrote and returns its exit status.
    int capture(const std::function<int(std::ostream& out, std::ostream& err)>& command) {
        std::ostringstream outStream;
        std::ostringstream errStream;
        const int status = command(outStream, errStream);
        out = outStream.str();
        err = errStream.str();
        return status;
    }
};

} // namespace qingtan::test
