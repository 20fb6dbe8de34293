#include "tools/vornexctl/Commands.h"

#include "machine/MachineInspector.h"
#include "tools/vornexctl/Escaping.h"
#include "tools/vornexctl/MachineAccess.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace vornexctl {

namespace {

// One record: the fields escaped, separated by tabs.
void PrintRecord(std::ostream& out, std::initializer_list<std::string_view> fields)
{
    bool first = true;
    for (std::string_view field : fields) {
        if (!first)
            out << '\t';
        out << EscapeField(field);
        first = false;
    }
    out << '\n';
}

std::string JoinDependentFiles(const std::vector<std::string>& files)
{
    std::string joined;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (i > 0)
            joined += ';';
        joined += files[i];
    }
    return joined;
}

// Opens the machine, lets `list` fill the records and prints each with `print`.
template <typename Record, typename List, typename Print>
int ListAndPrint(CommandContext& context, std::string_view what, List list, Print print)
{
    std::unique_ptr<machine::Machine> machine;
    if (!OpenExistingMachine(context, machine))
        return kExitFailure;
    machine::MachineInspector inspector(*machine);
    std::vector<Record> records;
    if (const platform::Win32Error error = list(inspector, records); error != platform::kErrorSuccess) {
        return ReportFailure(context, "cannot list the " + std::string(what) + ": " +
                                          FailureText(inspector.LastErrorText(), error));
    }
    for (const Record& record : records)
        print(context.out, record);
    return kExitSuccess;
}

}  // namespace

int RunPrinters(CommandContext& context, const ParsedArguments&)
{
    return ListAndPrint<machine::PrinterRecord>(
        context, "printers",
        [](machine::MachineInspector& inspector, auto& records) { return inspector.ListPrinters(records); },
        [](std::ostream& out, const machine::PrinterRecord& printer) {
            PrintRecord(out, {printer.name, printer.port, printer.driver, printer.printProcessor, printer.dataType});
        });
}

int RunDrivers(CommandContext& context, const ParsedArguments&)
{
    return ListAndPrint<machine::DriverRecord>(
        context, "printer drivers",
        [](machine::MachineInspector& inspector, auto& records) { return inspector.ListDrivers(records); },
        [](std::ostream& out, const machine::DriverRecord& driver) {
            PrintRecord(out, {driver.name, driver.environment, std::to_string(driver.version), driver.driverPath,
                              driver.dataFile, driver.configFile, driver.helpFile,
                              JoinDependentFiles(driver.dependentFiles), driver.defaultDataType});
        });
}

int RunPorts(CommandContext& context, const ParsedArguments&)
{
    return ListAndPrint<machine::PortRecord>(
        context, "ports",
        [](machine::MachineInspector& inspector, auto& records) { return inspector.ListPorts(records); },
        [](std::ostream& out, const machine::PortRecord& port) {
            PrintRecord(out, {port.name, port.description, port.monitor});
        });
}

int RunMonitors(CommandContext& context, const ParsedArguments&)
{
    return ListAndPrint<std::string>(
        context, "port monitors",
        [](machine::MachineInspector& inspector, auto& records) { return inspector.ListMonitors(records); },
        [](std::ostream& out, const std::string& monitor) { PrintRecord(out, {monitor}); });
}

}  // namespace vornexctl
