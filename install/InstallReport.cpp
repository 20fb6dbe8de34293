#include "install/InstallReport.h"

#include <algorithm>

namespace install {

namespace {

using platform::DescribeError;

std::string JoinNames(const std::vector<std::string>& names)
{
    std::string joined;
    for (const std::string& name : names) {
        if (!joined.empty())
            joined += ", ";
        joined += name;
    }
    return joined;
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

void AddCopyProblems(const std::vector<FileCopyResult>& files, std::vector<std::string>& problems)
{
    std::vector<std::string> missing;
    for (const FileCopyResult& file : files)
        if (file.SourceMissing())
            missing.push_back(file.fileName);
    if (!missing.empty())
        problems.push_back("These driver files are missing from the win2k folder: " +
                           JoinNames(missing));
    for (const FileCopyResult& file : files)
        if (!file.Copied() && !file.SourceMissing())
            problems.push_back("The driver file " + file.fileName + " could not be copied to " +
                               file.target + ": " + DescribeError(file.error));
}

std::string ValueWarning(const ValueWriteResult& value, const std::string& what)
{
    switch (value.outcome) {
    case ValueOutcome::KeyNotOpened:
        return what + " was not set: the registry key " + value.keyPath + " could not be opened (" +
               DescribeError(value.error) + ")";
    case ValueOutcome::SetFailed:
        return what + " was not set: the registry value " + Quoted(value.valueName) +
               " could not be written (" + DescribeError(value.error) + ")";
    case ValueOutcome::NoPrinter:
        return what + " was left as it was, since the printer is not there";
    default:
        return {};
    }
}

}  // namespace

bool InstallReport::Succeeded() const
{
    const bool allStaged =
        std::all_of(files.begin(), files.end(), [](const FileCopyResult& f) { return f.Copied(); });
    const bool printerInPlace =
        printer == PrinterOutcome::Created || printer == PrinterOutcome::AlreadyPresent;
    return !invalidChoice && driverDirectory && !files.empty() && allStaged && driverAttempted &&
           driverError == platform::kErrorSuccess && printerInPlace && ranToEnd;
}

std::vector<std::string> InstallReport::FileNamesNotCopied() const
{
    std::vector<std::string> names;
    for (const FileCopyResult& file : files)
        if (!file.Copied())
            names.push_back(file.fileName);
    return names;
}

std::vector<std::string> InstallReport::Problems() const
{
    std::vector<std::string> problems;
    if (invalidChoice) {
        problems.push_back("Nothing was installed: " + *invalidChoice);
        return problems;
    }
    if (driverDirectoryQueried && !driverDirectory) {
        problems.push_back(driverDirectoryError == platform::kErrorSuccess
                               ? "The printer driver directory could not be found: the spooler "
                                 "gave an empty path; no files were copied"
                               : "The printer driver directory could not be found: " +
                                     DescribeError(driverDirectoryError) + "; no files were copied");
        return problems;
    }
    AddCopyProblems(files, problems);
    if (driverAttempted && driverError != platform::kErrorSuccess)
        problems.push_back("The printer driver " + Quoted(driverName) +
                           " could not be added: " + DescribeError(driverError));
    if (printer == PrinterOutcome::Failed)
        problems.push_back("The printer " + Quoted(driverName) + " could not be created on port " +
                           Quoted(portName) + ": " + DescribeError(printerError));
    if (problems.empty() && !Succeeded())
        problems.push_back("The install did not finish");
    return problems;
}

std::vector<std::string> InstallReport::Warnings() const
{
    std::vector<std::string> warnings;
    if (auto text = ValueWarning(defaultPrinter, "The default printer"); !text.empty())
        warnings.push_back(std::move(text));
    if (auto text = ValueWarning(serialSettings, "The serial settings of " + serialSettings.valueName);
        !text.empty())
        warnings.push_back(std::move(text));
    return warnings;
}

std::string InstallReport::Describe() const
{
    std::vector<std::string> lines = Problems();
    if (Succeeded()) {
        lines.insert(lines.begin(),
                     printer == PrinterOutcome::AlreadyPresent
                         ? "The printer " + Quoted(driverName) +
                               " was already installed; its driver files were brought up to date."
                         : "The printer " + Quoted(driverName) + " was installed on port " +
                               Quoted(portName) + ".");
    }
    const std::vector<std::string> warnings = Warnings();
    lines.insert(lines.end(), warnings.begin(), warnings.end());

    std::string text;
    for (const std::string& line : lines) {
        if (!text.empty())
            text += '\n';
        text += line;
    }
    return text;
}

}  // namespace install
