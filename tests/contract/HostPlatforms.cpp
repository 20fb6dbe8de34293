#include "tests/contract/PlatformUnderTest.h"

namespace contract {

std::vector<PlatformFactory> PlatformsOfThisBuild()
{
    return {PlatformFactory{"HostMachine", &MakeHostMachinePlatform}};
}

}  // namespace contract
