#include <iostream>

#include "ui/qt/SkinView.h"

int main(int argc, char** argv) {
    return vorn::ui::qt::runSkinView(argc, argv, std::cout, std::cerr);
}
