#include "framework/runtime/Placeholder.h"

int main(int argc, char** argv) {
    return runPlaceholderApplication(argc, argv);
}
