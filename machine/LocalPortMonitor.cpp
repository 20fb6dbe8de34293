#include "machine/LocalPortMonitor.h"

#include "machine/ComPortSettings.h"
#include "machine/RegData.h"
#include "machine/RegistryPaths.h"

#include <charconv>

namespace machine {

namespace {

bool HasPrefixNoCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && FoldName(text.substr(0, prefix.size())) == prefix;
}

// The text of a REG_SZ value, or nullopt when the value is missing.
Win32Error ReadText(RegistryStore& store, RootKey root, const char* keyPath, std::string_view name,
                    std::optional<std::string>& text)
{
    text.reset();
    RegistryStore::KeyId key = 0;
    Win32Error error = store.FindKey(store.Root(root), keyPath, key);
    if (error == platform::kErrorFileNotFound)
        return platform::kErrorSuccess;
    if (error)
        return error;
    StoredValue value;
    error = store.GetValue(key, name, value);
    if (error == platform::kErrorFileNotFound)
        return platform::kErrorSuccess;
    if (error)
        return error;
    text = DecodeSz(value.data);
    return platform::kErrorSuccess;
}

Win32Error WriteText(RegistryStore& store, RootKey root, const char* keyPath, std::string_view name,
                     std::string_view text)
{
    return store.Write([&]() -> Win32Error {
        RegistryStore::KeyId key = 0;
        if (Win32Error error = store.CreateKey(store.Root(root), keyPath, key))
            return error;
        return store.SetValue(key, name, platform::kRegSz, EncodeSz(text));
    });
}

Win32Error PortExists(RegistryStore& store, std::string_view portName, bool& exists)
{
    exists = false;
    RegistryStore::KeyId ports = 0;
    Win32Error error = store.FindKey(store.Root(RootKey::LocalMachine), kPortsKey, ports);
    if (error == platform::kErrorFileNotFound)
        return platform::kErrorSuccess;
    if (error)
        return error;
    StoredValue value;
    error = store.GetValue(ports, portName, value);
    if (error == platform::kErrorFileNotFound)
        return platform::kErrorSuccess;
    exists = error == platform::kErrorSuccess;
    return error;
}

}  // namespace

LocalPortKind ClassifyLocalPort(std::string_view portName)
{
    const bool numbered = portName.size() > 3 && portName[3] >= '0' && portName[3] <= '9';
    if (numbered && HasPrefixNoCase(portName, "COM"))
        return LocalPortKind::Serial;
    if (numbered && HasPrefixNoCase(portName, "LPT"))
        return LocalPortKind::Parallel;
    return LocalPortKind::Other;
}

std::string CheckNewPortName(std::string_view portName)
{
    if (portName.empty())
        return "Enter a port name.";
    if (portName.size() > kMaxPortNameLength)
        return "The port name is too long: at most " + std::to_string(kMaxPortNameLength) + " characters.";
    for (char c : portName) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F)
            return "The port name contains a character that is not allowed.";
    }
    return {};
}

Win32Error LocalPortMonitor::AddPort(WindowHandle owner, PortMonitorUi& ui)
{
    std::string name;
    while (true) {
        if (!ui.AskPortName(owner, name))
            return platform::kErrorCancelled;
        if (std::string why = CheckNewPortName(name); !why.empty()) {
            ui.ShowMessage(owner, why);
            continue;
        }
        // The check and the insertion are one transaction, so two processes cannot
        // both add the same port.
        bool taken = false;
        const Win32Error error = m_store.Write([&]() -> Win32Error {
            RegistryStore::KeyId ports = 0;
            if (Win32Error found = m_store.CreateKey(m_store.Root(RootKey::LocalMachine), kPortsKey, ports))
                return found;
            if (Win32Error found = PortExists(m_store, name, taken); found || taken)
                return found;
            const char* text = ClassifyLocalPort(name) == LocalPortKind::Serial ? kDefaultComPortText : "";
            return m_store.SetValue(ports, name, platform::kRegSz, EncodeSz(text));
        });
        if (error)
            return error;
        if (!taken)
            return platform::kErrorSuccess;
        ui.ShowMessage(owner, "The port " + name + " already exists.");
    }
}

Win32Error LocalPortMonitor::ConfigurePort(WindowHandle owner, const std::string& portName, PortMonitorUi& ui)
{
    bool exists = false;
    if (Win32Error error = PortExists(m_store, portName, exists))
        return error;
    if (!exists)
        return platform::kErrorUnknownPort;
    switch (ClassifyLocalPort(portName)) {
    case LocalPortKind::Serial: return ConfigureCom(owner, portName, ui);
    case LocalPortKind::Parallel: return ConfigureLpt(owner, portName, ui);
    case LocalPortKind::Other: break;
    }
    ui.ShowNothingToConfigure(owner, portName);
    return platform::kErrorSuccess;
}

Win32Error LocalPortMonitor::ConfigureCom(WindowHandle owner, const std::string& portName, PortMonitorUi& ui)
{
    std::optional<std::string> text;
    if (Win32Error error = ReadText(m_store, RootKey::LocalMachine, kPortsKey, portName, text))
        return error;
    const ComPortSettings shown = ParseComPortSettings(text.value_or(""));
    ComPortSettings edited = shown;
    if (!ui.EditComSettings(owner, portName, edited))
        return platform::kErrorCancelled;
    if (edited == shown)
        return platform::kErrorSuccess;  // nothing changed: the text stays as it was
    return WriteText(m_store, RootKey::LocalMachine, kPortsKey, portName, FormatComPortSettings(edited));
}

Win32Error LocalPortMonitor::ConfigureLpt(WindowHandle owner, const std::string& portName, PortMonitorUi& ui)
{
    std::optional<std::string> text;
    if (Win32Error error = ReadText(m_store, RootKey::LocalMachine, kMachineWindowsKey, kTransmissionRetryTimeoutValue, text))
        return error;
    std::uint32_t shown = kDefaultTransmissionRetryTimeout;
    if (text) {
        std::uint32_t parsed = 0;
        const auto [end, ec] = std::from_chars(text->data(), text->data() + text->size(), parsed);
        if (ec == std::errc() && end == text->data() + text->size())
            shown = parsed;
    }
    std::uint32_t edited = shown;
    if (!ui.EditLptTimeout(owner, portName, edited))
        return platform::kErrorCancelled;
    if (edited == shown)
        return platform::kErrorSuccess;  // an unreadable text is kept until the user picks a value
    return WriteText(m_store, RootKey::LocalMachine, kMachineWindowsKey, kTransmissionRetryTimeoutValue,
                     std::to_string(edited));
}

}  // namespace machine
