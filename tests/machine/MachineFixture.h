#pragma once

#include "machine/Machine.h"
#include "machine/MachineInspector.h"
#include "machine/RegData.h"
#include "tests/machine/TempFolder.h"

#include <gtest/gtest.h>

namespace machinetest {

// A machine in a fresh temporary folder.
class MachineTest : public ::testing::Test {
protected:
    void SetUp() override { Open(machine::kDefaultWindowsVersion); }

    void Open(machine::WindowsVersion version)
    {
        m_machine.reset();
        machine::MachineOptions options;
        options.version = version;
        options.busyTimeout = std::chrono::milliseconds(2000);
        const machine::MachineStatus status = machine::Machine::Open(m_folder.Path() / "machine", options, m_machine);
        ASSERT_TRUE(status.Ok()) << status.message;
    }

    machine::MachineInspector Inspect() { return machine::MachineInspector(*m_machine); }

    std::string ValueText(platform::RootKey root, const std::string& key, const std::string& name)
    {
        machine::StoredValue value;
        const platform::Win32Error error = Inspect().QueryValue(root, key, name, value);
        return error ? "<" + platform::DescribeError(error) + ">" : machine::DecodeSz(value.data);
    }

    // A file in the driver directory, as the host sees it.
    std::filesystem::path DriverFolder() const
    {
        return m_folder.Path() / "machine" / "drive_c" / "WINDOWS" / "system32" / "spool" / "drivers" / "w32x86";
    }

    TempFolder m_folder;
    std::unique_ptr<machine::Machine> m_machine;
};

}  // namespace machinetest
