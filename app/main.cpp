#include "app/main_app.h"

int main(int argc, char** argv) { return tavimor::runProgram(argc, argv); }
