#include <iostream>

#include "shell_qt/VornApp.h"

int main(int argc, char** argv) {
    return vorn::shell::runVorn(argc, argv, std::cout, std::cerr);
}
