#include "MainProgram.h"

int main(int argc, char** argv) { return fq::RunMainProgram(argc, argv); }
