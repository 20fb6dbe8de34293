#include "tools/vornexctl/Command.h"
#include "tools/vornexctl/Commands.h"

#include <array>

namespace vornexctl {

namespace {

constexpr std::array<OptionSpec, 1> kInitOptions{{{"windows", true}}};
constexpr std::array<OptionSpec, 1> kVersionOptions{{{"true", false}}};
constexpr std::array<OptionSpec, 1> kExportOptions{{{"utf16", false}}};

constexpr std::string_view kInitHelp =
    "Creates the machine, or resets an existing one to the stock image: the registry\n"
    "of a fresh installation, drive C emptied to the stock folders, the trace cleared.\n"
    "\n"
    "  --windows VERSION  95, 98, nt4, 2000, xp, 2003, vista, 7, 8, 8.1 or 10 (default xp)\n"
    "\n"
    "Prints: folder, version's short name, product name.\n";

constexpr std::string_view kVersionHelp =
    "Prints the version as the version query reports it to a program:\n"
    "platform id, major, minor, build (on 95 and 98 the build carries the version\n"
    "in its high word, as those systems report it). Windows 8 and later tell a\n"
    "program 6.2 build 9200.\n"
    "\n"
    "  --true  the true version, as the registry holds it\n";

constexpr std::string_view kPrintersHelp =
    "One printer a line: name, port, driver, print processor, data type.\n";

constexpr std::string_view kDriversHelp =
    "One printer driver a line: name, environment, version, driver path, data file,\n"
    "config file, help file, dependent files joined by ';', default data type.\n";

constexpr std::string_view kPortsHelp =
    "One port a line, in the order the spooler lists them: name, description, monitor.\n";

constexpr std::string_view kMonitorsHelp = "One port monitor a line: its name.\n";

constexpr std::string_view kRegQueryHelp =
    "KEY is HKLM\\..., HKEY_LOCAL_MACHINE\\..., HKCU\\... or HKEY_CURRENT_USER\\...\n"
    "(quote it for the shell).\n"
    "\n"
    "Without VALUE: one line per value, name, type, data (the default value has an\n"
    "empty name), then one line per subkey, its full path.\n"
    "With VALUE: that value's data alone; \"\" names the default value.\n"
    "\n"
    "Data: strings as text, multi-strings joined by \\0, REG_DWORD as 0x5a, other\n"
    "types as hex digits.\n";

constexpr std::string_view kRegExportHelp =
    "Writes KEY and every key below it, or without KEY the whole registry\n"
    "(HKEY_CURRENT_USER, then HKEY_LOCAL_MACHINE), in the \"Windows Registry Editor\n"
    "Version 5.00\" format that regedit imports.\n"
    "\n"
    "By default the text is UTF-8 with line feeds, to read here.\n"
    "  --utf16  write what regedit itself writes: UTF-16LE with a byte-order mark and\n"
    "           CR LF line ends; use it for a file to import on Windows\n"
    "\n"
    "The machine keeps 8-bit texts: they are read as UTF-8 where valid, else byte by\n"
    "byte as Latin-1. A string value holding a control character is written as\n"
    "hex(1): so it comes back unchanged; a key or value whose name holds one cannot\n"
    "be written and the export fails without writing anything.\n";

constexpr std::string_view kTraceHelp =
    "Prints the debugger trace lines in the order they were written (control\n"
    "characters within a line escaped; a last line without a line feed is ended).\n";

constexpr std::array<CommandInfo, 9> kCommands{{
    {"", "init", "init [--windows VERSION]", "create the machine, or reset it to the stock image", kInitHelp,
     kInitOptions, 0, 0, RunInit},
    {"", "version", "version [--true]", "platform id, major, minor, build as a program is told", kVersionHelp,
     kVersionOptions, 0, 0, RunVersion},
    {"", "printers", "printers", "list printers", kPrintersHelp, {}, 0, 0, RunPrinters},
    {"", "drivers", "drivers", "list printer drivers", kDriversHelp, {}, 0, 0, RunDrivers},
    {"", "ports", "ports", "list ports", kPortsHelp, {}, 0, 0, RunPorts},
    {"", "monitors", "monitors", "list port monitors", kMonitorsHelp, {}, 0, 0, RunMonitors},
    {"reg", "query", "reg query KEY [VALUE]", "a key's values and subkeys, or one value's data", kRegQueryHelp,
     {}, 1, 2, RunRegQuery},
    {"reg", "export", "reg export [--utf16] [KEY]", "the registry, or KEY and below, as a .reg file",
     kRegExportHelp, kExportOptions, 0, 1, RunRegExport},
    {"", "trace", "trace", "the debugger trace lines", kTraceHelp, {}, 0, 0, RunTrace},
}};

}  // namespace

std::span<const CommandInfo> AllCommands()
{
    return kCommands;
}

}  // namespace vornexctl
