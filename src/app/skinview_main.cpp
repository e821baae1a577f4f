#include <iostream>

#include "ui/controls/CustomControlClasses.h"
#include "ui/qt/SkinView.h"

int main(int argc, char** argv) {
    // Layouts of the program name its own control classes.
    vorn::ui::registerCustomControlClasses();
    return vorn::ui::qt::runSkinView(argc, argv, std::cout, std::cerr);
}
