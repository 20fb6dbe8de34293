#pragma once

#include "platform/Files.h"
#include "platform/Registry.h"
#include "platform/System.h"
#include "spooler/Spooler.h"

#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace contract {

// One implementation of the platform and spooler seams, set up fresh for one test.
// The tests reach it through the seams only; the few things the seams cannot do
// (put a source file in place, look at a result) go through the hooks below.
class PlatformUnderTest {
public:
    virtual ~PlatformUnderTest() = default;

    virtual platform::Registry& GetRegistry() = 0;
    virtual platform::Files& GetFiles() = 0;
    virtual platform::System& GetSystem() = 0;
    virtual spooler::Spooler& GetSpooler() = 0;

    // Puts a file with this content where Files::Copy can read it; returns its
    // Windows path.
    virtual std::string PlaceSourceFile(const std::string& name, std::string_view content) = 0;
    // The content of the file at a Windows path; nullopt when there is none.
    virtual std::optional<std::string> ReadResultFile(const std::string& windowsPath) = 0;
    // Everything traced so far, when the implementation can read it back.
    virtual std::optional<std::string> TraceOutput() = 0;

    // Where an implementation is known to differ from Windows, the tests check what
    // both agree on and say why. Windows and the host machine have none of these.
    struct Differences {
        // Wine's spooler adds a printer a second time under a name already taken and
        // returns a handle, where Windows refuses with ERROR_PRINTER_ALREADY_EXISTS.
        bool acceptsDuplicatePrinter = false;
        // Wine's spooler registers a driver whose files are not all in the driver
        // directory, where Windows refuses with ERROR_FILE_NOT_FOUND.
        bool acceptsDriverWithMissingFiles = false;
    };
    virtual Differences KnownDifferences() const { return {}; }
};

struct PlatformFactory {
    std::string name;
    std::function<std::unique_ptr<PlatformUnderTest>()> make;
};

inline std::ostream& operator<<(std::ostream& out, const PlatformFactory& factory)
{
    return out << factory.name;
}

// The host machine in a temporary folder.
std::unique_ptr<PlatformUnderTest> MakeHostMachinePlatform();

// Every implementation this build has: the host machine on Linux, the real Windows
// calls in the Windows build (run on Windows or under Wine).
std::vector<PlatformFactory> PlatformsOfThisBuild();

}  // namespace contract
