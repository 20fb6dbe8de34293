// The test program's application object, as every program that runs the wizard
// defines it.
#include "app/SetupApp.h"

VORNEX_DEFINE_APPLICATION()
