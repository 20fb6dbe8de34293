#pragma once

#include <cstdint>

namespace spooler {

// The spooler's records, field for field as winspool declares their ANSI forms.
// Like Windows, they do not own their texts: a null pointer and a pointer to an empty
// text are different things here (pMonitorName of a driver is the empty text).

struct DriverInfo3 {
    std::uint32_t cVersion = 0;
    const char* pName = nullptr;
    const char* pEnvironment = nullptr;
    const char* pDriverPath = nullptr;
    const char* pDataFile = nullptr;
    const char* pConfigFile = nullptr;
    const char* pHelpFile = nullptr;
    const char* pDependentFiles = nullptr;  // multi-string: NUL after each entry, one more at the end
    const char* pMonitorName = nullptr;
    const char* pDefaultDataType = nullptr;
};

struct PrinterInfo2 {
    const char* pServerName = nullptr;
    const char* pPrinterName = nullptr;
    const char* pShareName = nullptr;
    const char* pPortName = nullptr;
    const char* pDriverName = nullptr;
    const char* pComment = nullptr;
    const char* pLocation = nullptr;
    const void* pDevMode = nullptr;
    const char* pSepFile = nullptr;
    const char* pPrintProcessor = nullptr;
    const char* pDatatype = nullptr;
    const char* pParameters = nullptr;
    const void* pSecurityDescriptor = nullptr;
    std::uint32_t Attributes = 0;
    std::uint32_t Priority = 0;
    std::uint32_t DefaultPriority = 0;
    std::uint32_t StartTime = 0;
    std::uint32_t UntilTime = 0;
    std::uint32_t Status = 0;
    std::uint32_t cJobs = 0;
    std::uint32_t AveragePPM = 0;
};

struct PortInfo2 {
    const char* pPortName;
    const char* pMonitorName;
    const char* pDescription;
    std::uint32_t fPortType;
    std::uint32_t Reserved;
};

struct MonitorInfo1 {
    const char* pName;
};

inline constexpr std::uint32_t kPortTypeWrite = 0x1;
inline constexpr std::uint32_t kPortTypeRead = 0x2;

}  // namespace spooler
