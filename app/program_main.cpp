// The program's entry point: the runtime starts and runs the application.
#include "runtime/core/startup.h"

int main() { return vorlix::core::RunProgram(); }
