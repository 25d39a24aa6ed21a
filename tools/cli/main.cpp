#include <iostream>

#include "tools/cli/cli.h"

int main(int argc, char* argv[]) {
    std::ios::sync_with_stdio(false);
    return circumvia::cli::RunCli(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                                  std::cerr);
}
