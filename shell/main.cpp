#include "shell/startup.h"

int main(int argc, char** argv) { return qx::shell::run_cli(argc, argv); }
