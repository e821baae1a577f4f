#include <iostream>

#include "cli/Cli.h"

int main(int argc, char** argv) { return vorn::cli::runVornctl(argc, argv, std::cout, std::cerr); }
