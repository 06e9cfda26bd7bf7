// ostrel-cli: the command-line front end over the program's own logic.

// std
#include <iostream>
#include <string>
#include <vector>

// project
#include "cli/commands.h"

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    return cli::Run(args, std::cout, std::cerr);
}
