#pragma once

#include "afx/host/InputEvent.h"
#include "machine/WindowsVersion.h"
#include "platform/Registry.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A flow script: what a person does to the wizard and what must then be on screen or
// on the machine, one line each. The format is documented in the README ("Flow
// scripts"); FlowTokens.h has the words of a line.
namespace flows {

// Where a flow runs.
enum class MachineChoice {
    Found,      // the machine the program finds (VORNEX_MACHINE), as it stands
    Temporary,  // a fresh host machine in a temporary folder, removed afterwards
    Fakes,      // the in-memory test doubles (test builds only)
};

// What a setup line needs of the machine.
enum class SetupNeed {
    Any,      // works on any machine (it changes only what the wizard is handed)
    Scratch,  // changes the machine: a temporary machine or the fakes
    Fakes,    // only the fakes can hold it (a missing name, a monitor list)
};

// One spooler listing entry of the setup; a missing text is nullopt.
struct PortSetup {
    std::optional<std::string> name;
    std::optional<std::string> description = std::string("Local Port");
};

struct MissingKey {
    platform::RootKey root = platform::RootKey::LocalMachine;
    std::string path;
};

// The header of a script: how to prepare the machine before the wizard starts.
struct FlowSetup {
    std::optional<MachineChoice> machine;
    std::optional<machine::WindowsVersion> windows;
    std::optional<std::vector<PortSetup>> ports;
    std::optional<std::vector<std::optional<std::string>>> monitors;
    std::vector<std::string> failingValues;  // registry values whose setting fails
    std::vector<MissingKey> missingKeys;

    // Every setup line with what it needs, to check against the machine chosen.
    struct Requirement {
        int line = 0;
        std::string what;  // the line's first word
        SetupNeed need = SetupNeed::Any;
    };
    std::vector<Requirement> requirements;

    // The first line that `choice` cannot honour, as "line N: ...", or nullopt.
    std::optional<std::string> CheckFor(MachineChoice choice) const;
};

enum class Op {
    // Actions: each is one input event for the wizard.
    Press,         // press ID
    PressCaption,  // press "CAPTION"
    Click,         // click ID
    Key,           // key NAME
    Pick,          // pick ROW in ID
    Type,          // type "TEXT"
    Close,         // close
    Menu,          // menu ID
    Minimize,      // minimize
    Restore,       // restore
    // Expectations on the screen.
    ExpectWindow,     // expect window "CAPTION"
    ExpectText,       // expect text ID "TEXT"
    ExpectChecked,    // expect checked ID
    ExpectUnchecked,  // expect unchecked ID
    ExpectSelected,   // expect selected ID ROW|none
    ExpectCount,      // expect count ID N
    ExpectEnabled,    // expect enabled ID
    ExpectDisabled,   // expect disabled ID
    ExpectVisible,    // expect visible ID
    ExpectHidden,     // expect hidden ID
    ExpectFocus,      // expect focus ID
    ExpectItem,       // expect item ID ROW "TEXT" ["COLUMN 1" ...]
    ExpectShows,      // expect shows "TEXT"  (a visible control of the active window)
    ExpectMessage,    // expect message "TEXT"
    ExpectEnded,      // expect ended
    ExpectRefused,    // expect refused ["PART OF THE REASON"]
    ExpectProgress,   // expect progress ID [POSITION ...]
    // Expectations on what the wizard did to the machine.
    ExpectTraces,    // expect traces N
    ExpectInstalls,  // expect installs N
    ExpectCalls,     // expect calls NAME N
    ExpectPrinter,   // expect printer "NAME" [on "PORT"]
    ExpectPrinters,  // expect printers N
    ExpectValue,     // expect value "ROOT\KEY" "NAME" "TEXT"|none
    // Output.
    Dump,  // dump
};

struct FlowStep {
    int line = 0;
    std::string source;  // the line as written, without its comment
    Op op = Op::Dump;

    int id = 0;                        // the control, or the menu item
    long long number = 0;              // row, count
    bool none = false;                 // "none" given for a row or a value
    std::optional<std::string> text;   // caption, text, name, reason
    std::vector<std::string> texts;    // further texts: list columns, value name and text
    std::vector<int> positions;        // progress positions
    platform::RootKey root = platform::RootKey::LocalMachine;  // of a value's key
    std::optional<afx::host::InputEvent> event;  // actions with a fixed event

    bool IsAction() const { return op <= Op::Restore; }
};

struct FlowScript {
    std::string name;  // the file, for transcripts
    FlowSetup setup;
    std::vector<FlowStep> steps;
};

// A line the parser could not read: its number and why.
struct FlowError {
    int line = 0;
    std::string message;

    std::string Describe(std::string_view scriptName) const;  // "install.flow:12: ..."
};

// The spooler calls `expect calls` can count.
std::vector<std::string_view> CountableCalls();

// Parses a whole script. Setup lines come before the first action or expectation.
bool ParseFlowScript(std::string_view text, std::string name, FlowScript& script, FlowError& error);
bool LoadFlowScript(const std::string& path, FlowScript& script, FlowError& error);

}  // namespace flows
