#pragma once

#include "flows/FlowRunner.h"

#include <string>

namespace flows {

// The wizard as a flow's target: the program's application object (the executable
// says VORNEX_DEFINE_APPLICATION) runs with the flow's services and with the "Local
// Port" monitor's dialogs attached to the rig. `programPath` names the program file
// for message-box captions and the help file; empty: the running executable.
FlowTarget WizardTarget(std::string programPath);

}  // namespace flows
