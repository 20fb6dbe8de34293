// A test build of VORNEX.exe with a robot at its keyboard: the real wizard, over the
// real Windows services, plays a flow script while a thread of its own acts as the
// person (tests/win32/robot/FlowRobot.h).
//
//     VORNEX.exe --flow FILE [--report FILE] [--shots FOLDER] [--real-wait]
//
// Exit status: 0 the flow passed, 1 it failed, 2 the script or the command line is
// wrong, 3 the flow cannot run here (it needs the test doubles, or a Windows version
// only Wine can pose as).
#include "afx/win32/WinApi.h"

#include "afx/win32/WideText.h"
#include "app/SetupApp.h"
#include "flows/FlowScript.h"
#include "flows/FlowServices.h"
#include "machine/WindowsVersion.h"
#include "programs/win32/VornexProgram.h"
#include "tests/win32/robot/FlowRobot.h"
#include "tests/win32/robot/UiThread.h"
#include "tests/win32/robot/Win32Rig.h"

#include <shellapi.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

VORNEX_DEFINE_APPLICATION()

namespace {

constexpr int kPassed = 0;
constexpr int kFailed = 1;
constexpr int kBadScript = 2;
constexpr int kCannotRunHere = 3;
constexpr DWORD kRobotFinishMs = 10 * 60 * 1000;
constexpr const char* kRelaunched = "--relaunched";

struct Options {
    std::string flow;
    std::string report;
    std::string shots;
    bool realWait = false;
    bool relaunched = false;
};

std::vector<std::string> Arguments() {
    int count = 0;
    LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; wide != nullptr && i < count; ++i) {
        arguments.push_back(afx::win32::Narrow(wide[i]));
    }
    ::LocalFree(wide);
    return arguments;
}

std::optional<Options> ParseOptions(const std::vector<std::string>& arguments) {
    Options options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& name = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (name == "--flow" && hasValue) {
            options.flow = arguments[++i];
        } else if (name == "--report" && hasValue) {
            options.report = arguments[++i];
        } else if (name == "--shots" && hasValue) {
            options.shots = arguments[++i];
        } else if (name == "--real-wait") {
            options.realWait = true;
        } else if (name == kRelaunched) {
            options.relaunched = true;
        } else {
            return std::nullopt;
        }
    }
    if (options.flow.empty()) {
        return std::nullopt;
    }
    return options;
}

// The transcript goes to the report file and, when the program has one, its output.
void Publish(const Options& options, const std::string& text) {
    if (!options.report.empty()) {
        std::ofstream report(std::filesystem::path(afx::win32::Widen(options.report)), std::ios::binary | std::ios::app);
        report << text;
    }
    const HANDLE output = ::GetStdHandle(STD_OUTPUT_HANDLE);
    if (output != nullptr && output != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        ::WriteFile(output, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    }
}

bool RunningVersionIs(const machine::WindowsVersionFacts& facts) {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    ::GetVersionExA(&version);
#pragma GCC diagnostic pop
    // Without a compatibility section Windows 8.1 and 10 report 6.2, as 8 does.
    const bool posesAsEight = facts.platformId == 2 && (facts.major > 6 || (facts.major == 6 && facts.minor > 2));
    const DWORD major = posesAsEight ? 6 : facts.major;
    const DWORD minor = posesAsEight ? 2 : facts.minor;
    return version.dwPlatformId == facts.platformId && version.dwMajorVersion == major &&
           version.dwMinorVersion == minor;
}

// Under Wine a program's Windows version is a setting of the prefix, read when the
// program starts: set it for VORNEX.exe, run this program again, and put it back.
int RelaunchAs(const std::string& wineVersion, const Options& options) {
    const char* key = "Software\\Wine\\AppDefaults\\VORNEX.exe";
    HKEY opened = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &opened, nullptr) !=
        ERROR_SUCCESS) {
        Publish(options, "robot: the Wine version setting cannot be written\n");
        return kCannotRunHere;
    }
    ::RegSetValueExA(opened, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(wineVersion.c_str()),
                     static_cast<DWORD>(wineVersion.size() + 1));
    std::wstring command = ::GetCommandLineW();
    command += L" ";
    command += afx::win32::Widen(kRelaunched);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    DWORD status = kCannotRunHere;
    if (::CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
        ::WaitForSingleObject(process.hProcess, INFINITE);
        ::GetExitCodeProcess(process.hProcess, &status);
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
    } else {
        Publish(options, "robot: this program cannot be started again as Windows " + wineVersion + "\n");
    }
    ::RegDeleteValueA(opened, "Version");
    ::RegCloseKey(opened);
    return static_cast<int>(status);
}

struct RobotJob {
    robot::FlowRobot* robot = nullptr;
    robot::UiThread* ui = nullptr;
    const Options* options = nullptr;
    robot::RobotOutcome outcome;
};

DWORD WINAPI RobotThread(LPVOID parameter) {
    auto* job = static_cast<RobotJob*>(parameter);
    job->outcome = job->robot->Run();
    if (!job->ui->HasEnded()) {
        // A failed line, or the end of the script, while the wizard still waits for
        // input: the run is over, and so is the program.
        Publish(*job->options, job->outcome.transcript);
        ::TerminateProcess(::GetCurrentProcess(), job->outcome.passed ? kPassed : kFailed);
    }
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const std::optional<Options> parsed = ParseOptions(Arguments());
    if (!parsed) {
        Options none;
        Publish(none, "usage: VORNEX.exe --flow FILE [--report FILE] [--shots FOLDER] [--real-wait]\n");
        return kBadScript;
    }
    const Options& options = *parsed;

    flows::FlowScript script;
    flows::FlowError error;
    if (!flows::LoadFlowScript(options.flow, script, error)) {
        Publish(options, error.Describe(script.name.empty() ? options.flow : script.name) + "\n");
        return kBadScript;
    }
    // The transcript names the script by its file name, wherever the copy played lies.
    const std::size_t slash = script.name.find_last_of("/\\");
    if (slash != std::string::npos) {
        script.name = script.name.substr(slash + 1);
    }
    const flows::MachineChoice choice = script.setup.machine.value_or(flows::MachineChoice::Found);
    if (choice == flows::MachineChoice::Fakes) {
        Publish(options, "flow " + script.name + ": not run here: it needs the test doubles ('machine fakes')\n");
        return kCannotRunHere;
    }
    if (const std::optional<std::string> unfit = script.setup.CheckFor(choice)) {
        Publish(options, script.name + ": " + *unfit + "\n");
        return kBadScript;
    }
    if (script.setup.windows) {
        const machine::WindowsVersionFacts& facts = machine::FactsOf(*script.setup.windows);
        if (!RunningVersionIs(facts)) {
            const std::optional<std::string> wine = robot::WineVersionName(facts.shortName);
            if (options.relaunched || !robot::RunningUnderWine() || !wine) {
                Publish(options, "flow " + script.name + ": not run here: it needs Windows " + facts.shortName +
                                     ", and the system reports " + robot::ReportedVersion() + "\n");
                return kCannotRunHere;
            }
            return RelaunchAs(*wine, options);
        }
    }

    robot::Win32Rig rig;
    if (const std::optional<std::string> unprepared = rig.Prepare(script.setup)) {
        Publish(options, "flow " + script.name + ": not run here: " + *unprepared + "\n");
        return kCannotRunHere;
    }
    flows::FlowServices services(rig, script.setup, options.realWait);
    robot::UiThread ui;
    if (!ui.Hooked()) {
        Publish(options, "robot: the wizard's thread cannot be watched (no hooks)\n");
        return kFailed;
    }
    robot::FlowRobot flowRobot(script, services, ui, options.shots);
    RobotJob job{&flowRobot, &ui, &options, {}};
    const HANDLE thread = ::CreateThread(nullptr, 0, &RobotThread, &job, 0, nullptr);
    if (thread == nullptr) {
        Publish(options, "robot: its thread cannot be started\n");
        return kFailed;
    }
    vornex::win32::RunWizard({services.Spooler(), services.Registry(), services.Files(), services.System()});
    ui.ProgramEnded();
    if (::WaitForSingleObject(thread, kRobotFinishMs) != WAIT_OBJECT_0) {
        Publish(options, "robot: the flow did not finish after the program had ended\n");
        ::TerminateProcess(::GetCurrentProcess(), kFailed);
    }
    ::CloseHandle(thread);
    Publish(options, job.outcome.transcript);
    return job.outcome.passed ? kPassed : kFailed;
}
