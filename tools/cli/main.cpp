#include <fcntl.h>
#include <unistd.h>

#include <iostream>

#include "tools/cli/cli.h"

namespace {

// A standard stream the caller closed would be handed to the next file opened, and the
// output meant for it would land in a saved game. /dev/null opened read-only keeps the
// number taken while writes to it still fail, as they would on the closed stream.
void KeepStandardStreamsTaken() {
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (::fcntl(fd, F_GETFD) == -1) {
            const int null = ::open("/dev/null", O_RDONLY);
            if (null >= 0 && null != fd) ::close(null);
        }
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    KeepStandardStreamsTaken();
    std::ios::sync_with_stdio(false);
    return circumvia::cli::RunCli(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                                  std::cerr);
}
