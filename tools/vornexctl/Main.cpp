#include "tools/vornexctl/Vornexctl.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    vornexctl::CommandContext context{std::cout, std::cerr};
    return vornexctl::Run(args, context);
}
