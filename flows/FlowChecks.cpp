// What each expectation of a flow script checks, against the screen as it stands and
// the services the wizard was handed.
#include "afx/WinConstants.h"
#include "flows/FlowRunner.h"
#include "flows/FlowTokens.h"

#include <sstream>

namespace flows {
namespace {

using afx::host::Control;
using afx::host::Desktop;
using afx::host::Window;
using res::ControlKind;

std::string Join(const std::vector<int>& numbers)
{
    if (numbers.empty())
        return "none";
    std::string text;
    for (int number : numbers)
        text += (text.empty() ? "" : " ") + std::to_string(number);
    return text;
}

std::string Named(const Control& control)
{
    std::string name = "control " + std::to_string(control.id);
    if (!control.text.empty() && control.kind != ControlKind::Edit)
        name += " " + Quote(control.Caption());
    return name;
}

// What a control shows as its text: a combo box its selected row, a list its selected
// row's first column, everything else its own text.
std::string ShownText(const Control& control)
{
    if (control.kind == ControlKind::ComboBox)
        return control.selection >= 0 && control.selection < static_cast<int>(control.items.size())
                   ? control.items[static_cast<std::size_t>(control.selection)]
                   : std::string();
    if (control.kind == ControlKind::ListView) {
        const int row = control.SelectedRow();
        return row >= 0 ? std::string(control.rows[static_cast<std::size_t>(row)].Text(0)) : std::string();
    }
    return control.text;
}

std::optional<int> RowCount(const Control& control)
{
    if (control.kind == ControlKind::ComboBox)
        return static_cast<int>(control.items.size());
    if (control.kind == ControlKind::ListView)
        return static_cast<int>(control.rows.size());
    return std::nullopt;
}

std::optional<int> SelectedRow(const Control& control)
{
    if (control.kind == ControlKind::ComboBox)
        return control.selection;
    if (control.kind == ControlKind::ListView)
        return control.SelectedRow();
    return std::nullopt;
}

std::string WindowName(const Window& window)
{
    if (window.messageBox)
        return "the message box " + Quote(window.messageBox->text);
    return Quote(window.caption) + " (dialog " + std::to_string(window.templateId) + ")";
}

std::optional<std::string> ReadValueText(platform::Registry& registry, const FlowStep& step, std::string& text)
{
    platform::ScopedRegKey key(registry);
    const platform::Win32Error opened = key.Open(step.root, step.texts[0], platform::kKeyQueryValue);
    if (opened == platform::kErrorFileNotFound)
        return std::string("no key");
    if (opened)
        return "the key cannot be opened: " + platform::DescribeError(opened);
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
    const platform::Win32Error read = registry.QueryValue(key.Get(), step.texts[1], type, data);
    if (read == platform::kErrorFileNotFound)
        return std::string("no value");
    if (read)
        return "the value cannot be read: " + platform::DescribeError(read);
    if (type != platform::kRegSz && type != platform::kRegExpandSz) {
        text = "<type " + std::to_string(type) + ", " + std::to_string(data.size()) + " bytes>";
        return std::nullopt;
    }
    text.assign(data.begin(), data.end());
    if (!text.empty() && text.back() == '\0')
        text.pop_back();
    return std::nullopt;
}

std::optional<std::string> CheckMachine(const FlowStep& step, FlowServices& services)
{
    switch (step.op) {
    case Op::ExpectTraces: {
        const int count = services.System().TraceCount();
        if (count != step.number)
            return std::to_string(count) + " trace lines were written";
        return std::nullopt;
    }
    case Op::ExpectInstalls: {
        // Every run of the install procedure begins by asking for the driver directory.
        const int count = services.Spooler().Count("GetDriverDirectory");
        if (count != step.number)
            return "the install ran " + std::to_string(count) + " times";
        return std::nullopt;
    }
    case Op::ExpectCalls: {
        const int count = services.Spooler().Count(*step.text);
        if (count != step.number)
            return *step.text + " was called " + std::to_string(count) + " times";
        return std::nullopt;
    }
    case Op::ExpectPrinter:
    case Op::ExpectPrinters: {
        std::vector<PrinterSeen> printers;
        std::string why;
        if (!services.Rig().ListPrinters(printers, why))
            return "the printers cannot be listed: " + why;
        std::string listed;
        for (const PrinterSeen& printer : printers)
            listed += (listed.empty() ? "" : ", ") + Quote(printer.name) + " on " + Quote(printer.port);
        if (listed.empty())
            listed = "none";
        if (step.op == Op::ExpectPrinters) {
            if (static_cast<long long>(printers.size()) != step.number)
                return "the printers are: " + listed;
            return std::nullopt;
        }
        for (const PrinterSeen& printer : printers) {
            if (printer.name == *step.text && (step.texts.empty() || printer.port == step.texts[0]))
                return std::nullopt;
        }
        return "the printers are: " + listed;
    }
    case Op::ExpectValue: {
        std::string text;
        const std::optional<std::string> missing = ReadValueText(services.Rig().Registry(), step, text);
        if (step.none)
            return missing ? std::nullopt : std::optional<std::string>("the value is " + Quote(text));
        if (missing)
            return *missing;
        if (text != *step.text)
            return "the value is " + Quote(text);
        return std::nullopt;
    }
    default:
        return "not a machine expectation";
    }
}

}  // namespace

std::optional<std::string> FlowRunner::Check(const FlowStep& step, const Desktop* desktop) const
{
    switch (step.op) {
    case Op::ExpectTraces:
    case Op::ExpectInstalls:
    case Op::ExpectCalls:
    case Op::ExpectPrinter:
    case Op::ExpectPrinters:
    case Op::ExpectValue:
        return CheckMachine(step, m_services);
    case Op::ExpectEnded:
        if (desktop == nullptr)
            return std::nullopt;
        return "the program still runs: " +
               (desktop->ActiveWindow() != nullptr ? WindowName(*desktop->ActiveWindow()) : std::string("a window")) +
               " waits for input";
    case Op::ExpectRefused:
        return std::string("no action was refused: this line must follow the action");
    case Op::ExpectProgress: {
        const auto found = m_progress.find(step.id);
        const std::vector<int> seen = found != m_progress.end() ? found->second : std::vector<int>{};
        if (seen != step.positions)
            return "since the last action the bar showed: " + Join(seen);
        return std::nullopt;
    }
    default:
        break;
    }

    if (desktop == nullptr)
        return std::string("the program has ended: no window is open");
    const Window* active = desktop->ActiveWindow();
    if (active == nullptr)
        return std::string("no window is active");

    if (step.op == Op::ExpectWindow) {
        if (active->caption != *step.text)
            return "the active window is " + WindowName(*active);
        return std::nullopt;
    }
    if (step.op == Op::ExpectShows) {
        // Labels have no id of their own: any visible control with this text will do.
        for (const Control& control : active->controls) {
            if (control.visible && control.text == *step.text)
                return std::nullopt;
        }
        return WindowName(*active) + " shows no control with that text";
    }
    if (step.op == Op::ExpectMessage) {
        if (!active->messageBox)
            return "the active window is " + WindowName(*active) + ", not a message box";
        if (active->messageBox->text != *step.text)
            return "the message is " + Quote(active->messageBox->text);
        return std::nullopt;
    }

    const Control* control = active->FindControl(step.id);
    if (control == nullptr)
        return "the active window " + WindowName(*active) + " has no control " + std::to_string(step.id);

    switch (step.op) {
    case Op::ExpectText: {
        const std::string shown = ShownText(*control);
        if (shown != *step.text)
            return Named(*control) + " shows " + Quote(shown);
        return std::nullopt;
    }
    case Op::ExpectChecked:
    case Op::ExpectUnchecked: {
        const bool want = step.op == Op::ExpectChecked;
        if ((control->check == BST_CHECKED) != want)
            return Named(*control) + (want ? " is not checked" : " is checked");
        return std::nullopt;
    }
    case Op::ExpectEnabled:
    case Op::ExpectDisabled:
        if (control->enabled != (step.op == Op::ExpectEnabled))
            return Named(*control) + (control->enabled ? " is enabled" : " is disabled");
        return std::nullopt;
    case Op::ExpectVisible:
    case Op::ExpectHidden:
        if (control->visible != (step.op == Op::ExpectVisible))
            return Named(*control) + (control->visible ? " is visible" : " is hidden");
        return std::nullopt;
    case Op::ExpectFocus: {
        const Control* focused = active->FocusedControl();
        if (focused != control)
            return "the focus is on " + (focused != nullptr ? Named(*focused) : std::string("no control"));
        return std::nullopt;
    }
    case Op::ExpectCount: {
        const std::optional<int> count = RowCount(*control);
        if (!count)
            return Named(*control) + " has no rows";
        if (*count != step.number)
            return Named(*control) + " has " + std::to_string(*count) + " rows";
        return std::nullopt;
    }
    case Op::ExpectSelected: {
        const std::optional<int> row = SelectedRow(*control);
        if (!row)
            return Named(*control) + " has no rows";
        const long long want = step.none ? -1 : step.number;
        if (*row != want)
            return Named(*control) + (*row < 0 ? " has no row selected" : " has row " + std::to_string(*row) + " selected");
        return std::nullopt;
    }
    case Op::ExpectItem: {
        const std::optional<int> count = RowCount(*control);
        if (!count)
            return Named(*control) + " has no rows";
        if (step.number >= *count)
            return Named(*control) + " has only " + std::to_string(*count) + " rows";
        const auto row = static_cast<std::size_t>(step.number);
        std::vector<std::string> want{*step.text};
        want.insert(want.end(), step.texts.begin(), step.texts.end());
        std::vector<std::string> shown;
        if (control->kind == ControlKind::ComboBox) {
            shown.push_back(control->items[row]);
        } else {
            for (std::size_t column = 0; column < want.size(); ++column)
                shown.emplace_back(control->rows[row].Text(column));
        }
        if (shown != want) {
            std::string text;
            for (const std::string& column : shown)
                text += (text.empty() ? "" : " ") + Quote(column);
            return "row " + std::to_string(row) + " shows " + text;
        }
        return std::nullopt;
    }
    default:
        return "not an expectation";
    }
}

}  // namespace flows
