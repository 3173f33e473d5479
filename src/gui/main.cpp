#include "gui/Program.h"

int main(int argc, char** argv) {
    return quillby::gui::runProgram(argc, argv);
}
