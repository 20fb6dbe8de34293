#include "machine/MachineInspector.h"

#include "machine/RegData.h"
#include "machine/RegistryPaths.h"

#include <system_error>
#include <fstream>
#include <sstream>

namespace machine {

namespace {

std::string TextOf(RegistryStore& store, RegistryStore::KeyId key, const char* name)
{
    StoredValue value;
    return store.GetValue(key, name, value) == platform::kErrorSuccess ? DecodeSz(value.data) : std::string();
}

// The subkeys of an existing key, none when the key is missing.
Win32Error SubKeysOf(RegistryStore& store, const std::string& path, RegistryStore::KeyId& key,
                     std::vector<std::string>& names)
{
    names.clear();
    const Win32Error found = store.FindKey(store.Root(RootKey::LocalMachine), path, key);
    if (found == platform::kErrorFileNotFound)
        return platform::kErrorSuccess;
    return found ? found : store.ListSubKeys(key, names);
}

}  // namespace

Win32Error MachineInspector::ListPrinters(std::vector<PrinterRecord>& printers)
{
    printers.clear();
    RegistryStore& store = m_machine.GetStore();
    return store.Read([&]() -> Win32Error {
        RegistryStore::KeyId all = 0;
        std::vector<std::string> names;
        if (Win32Error error = SubKeysOf(store, kPrintersKey, all, names))
            return error;
        for (const std::string& name : names) {
            RegistryStore::KeyId key = 0;
            if (Win32Error error = store.FindKey(all, name, key))
                return error;
            printers.push_back({name, TextOf(store, key, "Port"), TextOf(store, key, "Printer Driver"),
                                TextOf(store, key, "Print Processor"), TextOf(store, key, "Datatype")});
        }
        return platform::kErrorSuccess;
    });
}

Win32Error MachineInspector::ListDrivers(std::vector<DriverRecord>& drivers)
{
    drivers.clear();
    RegistryStore& store = m_machine.GetStore();
    return store.Read([&]() -> Win32Error {
        RegistryStore::KeyId environmentsKey = 0;
        std::vector<std::string> environments;
        if (Win32Error error = SubKeysOf(store, kEnvironmentsKey, environmentsKey, environments))
            return error;
        for (const std::string& environment : environments) {
            const std::string driversPath = std::string(kEnvironmentsKey) + "\\" + environment + "\\" + kDriversSubKey;
            RegistryStore::KeyId versionsKey = 0;
            std::vector<std::string> versions;
            if (Win32Error error = SubKeysOf(store, driversPath, versionsKey, versions))
                return error;
            for (const std::string& version : versions) {
                RegistryStore::KeyId versionKey = 0;
                std::vector<std::string> names;
                if (Win32Error error = SubKeysOf(store, driversPath + "\\" + version, versionKey, names))
                    return error;
                for (const std::string& name : names) {
                    RegistryStore::KeyId key = 0;
                    if (Win32Error error = store.FindKey(versionKey, name, key))
                        return error;
                    DriverRecord driver;
                    driver.name = name;
                    driver.environment = environment;
                    StoredValue value;
                    if (store.GetValue(key, "Version", value) == platform::kErrorSuccess)
                        driver.version = DecodeDword(value.data).value_or(0);
                    driver.driverPath = TextOf(store, key, "Driver");
                    driver.dataFile = TextOf(store, key, "Data File");
                    driver.configFile = TextOf(store, key, "Configuration File");
                    driver.helpFile = TextOf(store, key, "Help File");
                    if (store.GetValue(key, "Dependent Files", value) == platform::kErrorSuccess)
                        driver.dependentFiles = DecodeMultiSz(value.data);
                    driver.monitor = TextOf(store, key, "Monitor");
                    driver.defaultDataType = TextOf(store, key, "Datatype");
                    drivers.push_back(std::move(driver));
                }
            }
        }
        return platform::kErrorSuccess;
    });
}

Win32Error MachineInspector::ListPorts(std::vector<PortRecord>& ports)
{
    ports.clear();
    std::vector<StoredValue> values;
    std::vector<std::string> subKeys;
    const Win32Error error = QueryKey(RootKey::LocalMachine, kPortsKey, values, subKeys);
    if (error == platform::kErrorFileNotFound)
        return platform::kErrorSuccess;
    for (StoredValue& value : values)
        ports.push_back({std::move(value.name), kLocalPortMonitor, kLocalPortMonitor});
    return error;
}

Win32Error MachineInspector::ListMonitors(std::vector<std::string>& monitors)
{
    RegistryStore& store = m_machine.GetStore();
    RegistryStore::KeyId key = 0;
    return store.Read([&] { return SubKeysOf(store, kMonitorsKey, key, monitors); });
}

Win32Error MachineInspector::QueryValue(RootKey root, const std::string& keyPath, const std::string& valueName,
                                        StoredValue& value)
{
    RegistryStore& store = m_machine.GetStore();
    return store.Read([&]() -> Win32Error {
        RegistryStore::KeyId key = 0;
        if (Win32Error error = store.FindKey(store.Root(root), keyPath, key))
            return error;
        return store.GetValue(key, valueName, value);
    });
}

Win32Error MachineInspector::QueryKey(RootKey root, const std::string& keyPath, std::vector<StoredValue>& values,
                                      std::vector<std::string>& subKeys)
{
    values.clear();
    subKeys.clear();
    RegistryStore& store = m_machine.GetStore();
    return store.Read([&]() -> Win32Error {
        RegistryStore::KeyId key = 0;
        if (Win32Error error = store.FindKey(store.Root(root), keyPath, key))
            return error;
        if (Win32Error error = store.ListValues(key, values))
            return error;
        return store.ListSubKeys(key, subKeys);
    });
}

Win32Error MachineInspector::WalkKeys(RootKey root, const std::string& keyPath,
                                      const std::function<void(const RegistryKeyRecord&)>& visit)
{
    RegistryStore& store = m_machine.GetStore();
    // Collected first and visited after, so that the visitor runs with no lock held.
    std::vector<RegistryKeyRecord> records;
    const Win32Error error = store.Read([&]() -> Win32Error {
        RegistryStore::KeyId start = 0;
        if (Win32Error found = store.FindKey(store.Root(root), keyPath, start))
            return found;
        std::string startPath = RootKeyName(root);
        std::string trimmed = keyPath;
        while (!trimmed.empty() && trimmed.back() == '\\')
            trimmed.pop_back();
        if (!trimmed.empty()) {
            // Spell each name as stored, not as asked.
            RegistryStore::KeyId at = store.Root(root);
            std::size_t from = 0;
            while (from <= trimmed.size()) {
                const std::size_t cut = trimmed.find('\\', from);
                const std::string name = trimmed.substr(from, cut == std::string::npos ? std::string::npos : cut - from);
                if (Win32Error found = store.FindKey(at, name, at))
                    return found;
                std::string stored;
                if (Win32Error named = store.KeyName(at, stored))
                    return named;
                startPath += "\\" + stored;
                if (cut == std::string::npos)
                    break;
                from = cut + 1;
            }
        }
        std::vector<std::pair<RegistryStore::KeyId, std::string>> pending{{start, startPath}};
        while (!pending.empty()) {
            auto [key, path] = std::move(pending.back());
            pending.pop_back();
            RegistryKeyRecord record;
            record.path = path;
            if (Win32Error listed = store.ListValues(key, record.values))
                return listed;
            records.push_back(std::move(record));
            std::vector<std::string> names;
            if (Win32Error listed = store.ListSubKeys(key, names))
                return listed;
            // Pushed in reverse so that they come off the stack in name order.
            for (auto it = names.rbegin(); it != names.rend(); ++it) {
                RegistryStore::KeyId child = 0;
                if (Win32Error found = store.FindKey(key, *it, child))
                    return found;
                pending.emplace_back(child, path + "\\" + *it);
            }
        }
        return platform::kErrorSuccess;
    });
    if (error)
        return error;
    for (const RegistryKeyRecord& record : records)
        visit(record);
    return platform::kErrorSuccess;
}

Win32Error MachineInspector::TrueVersion(MachineVersion& version)
{
    return ReadMachineVersion(m_machine.GetStore(), false, version);
}

Win32Error MachineInspector::ReportedVersion(MachineVersion& version)
{
    return ReadMachineVersion(m_machine.GetStore(), true, version);
}

Win32Error MachineInspector::ImageVersionName(std::string& name)
{
    return m_machine.GetStore().GetNote("image", name);
}

Win32Error MachineInspector::ReadTrace(std::string& text)
{
    text.clear();
    std::error_code ec;
    if (!std::filesystem::exists(m_machine.TraceFile(), ec))
        return platform::kErrorSuccess;  // nothing traced yet
    std::ifstream in(m_machine.TraceFile(), std::ios::binary);
    if (!in)
        return platform::kErrorAccessDenied;
    std::ostringstream content;
    content << in.rdbuf();
    text = content.str();
    return platform::kErrorSuccess;
}

}  // namespace machine
