// VORNEX on the host: the wizard over the embedded machine, drawn in the terminal.
#include "app/SetupApp.h"

#include <cstdio>

VORNEX_DEFINE_APPLICATION()

namespace {

constexpr int kExitNoFrontEnd = 2;

}  // namespace

int main()
{
    // The terminal view that draws the wizard and reads the keyboard is not built yet.
    std::fputs("VORNEX: the terminal view is not built yet, so the wizard cannot be shown here.\n"
               "Rehearse an install with a flow script instead: vornex-replay SCRIPT\n",
               stderr);
    return kExitNoFrontEnd;
}
