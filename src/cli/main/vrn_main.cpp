#include <unistd.h>

#include <iostream>

#include "cli/cli.h"

int main(int argc, char** argv) {
  return vrn::cli::run(argc, argv, std::cout, std::cerr, isatty(STDERR_FILENO) != 0);
}
