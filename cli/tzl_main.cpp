#include "cli/console.h"
#include "cli/tzl_run.h"

int main(int argc, char** argv) { return tzl::RunTzl(tzl::ProgramArguments(argc, argv)); }
