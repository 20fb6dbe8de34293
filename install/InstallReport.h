#pragma once

#include "platform/Registry.h"
#include "platform/Win32Error.h"

#include <optional>
#include <string>
#include <vector>

namespace install {

using platform::Win32Error;

// One file staged from the source folder into the driver directory.
struct FileCopyResult {
    std::string fileName;  // as the catalogue names it, e.g. "TRX.DLL"
    std::string source;
    std::string target;
    Win32Error error = platform::kErrorSuccess;

    bool Copied() const { return error == platform::kErrorSuccess; }
    bool SourceMissing() const
    {
        return error == platform::kErrorFileNotFound || error == platform::kErrorPathNotFound;
    }
};

enum class PrinterOutcome { NotAttempted, Created, AlreadyPresent, Failed };

enum class ValueOutcome {
    NotAsked,      // the choices did not call for this value
    Written,
    KeyNotOpened,  // skipped without a message: the key is missing or cannot be opened
    SetFailed,     // the user was shown the registry error message
    NoPrinter,     // not written: the printer is not there, so the user's default stays
};

struct ValueWriteResult {
    ValueOutcome outcome = ValueOutcome::NotAsked;
    platform::RootKey root = platform::RootKey::CurrentUser;
    std::string keyPath;
    std::string valueName;
    std::string text;
    Win32Error error = platform::kErrorSuccess;
};

// What one run of the install procedure achieved, step by step.
struct InstallReport {
    // Set when the choices name a row outside the catalogue; then nothing was done.
    std::optional<std::string> invalidChoice;

    std::string driverName;
    std::string portName;

    // The driver directory, or std::nullopt when the spooler gave none (then the run
    // stopped there rather than stage files at the root of the drive).
    bool driverDirectoryQueried = false;
    std::optional<std::string> driverDirectory;
    Win32Error driverDirectoryError = platform::kErrorSuccess;

    std::vector<FileCopyResult> files;

    bool driverAttempted = false;
    Win32Error driverError = platform::kErrorSuccess;

    PrinterOutcome printer = PrinterOutcome::NotAttempted;
    Win32Error printerError = platform::kErrorSuccess;

    ValueWriteResult defaultPrinter;
    ValueWriteResult serialSettings;

    bool ranToEnd = false;

    // The driver and the printer are in place: every file staged, the driver added and
    // the printer created or already there. A registry value that could not be written
    // does not fail the install: the printer is installed and prints, the user has
    // already seen the registry message, and the default printer or the port's line
    // settings can be set by hand. It shows among the warnings.
    bool Succeeded() const;

    std::vector<std::string> FileNamesNotCopied() const;

    // Plain English, one sentence per problem or warning.
    std::vector<std::string> Problems() const;
    std::vector<std::string> Warnings() const;

    // What the wizard shows after the run: the problems and warnings, one a line, or a
    // sentence saying the printer was installed.
    std::string Describe() const;
};

}  // namespace install
