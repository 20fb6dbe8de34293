#pragma once

#include "machine/RegistryStore.h"
#include "machine/WindowsVersion.h"

namespace machine {

// Fills an empty store with what a fresh installation of `version` has for what
// VORNEX touches:
//   HKCU ...\Windows NT\CurrentVersion\Windows   no "Device" value (a fresh system
//                                                has no printer, hence no default)
//   HKLM ...\Windows NT\CurrentVersion\Windows   TransmissionRetryTimeout "90"
//   HKLM ...\Windows NT\CurrentVersion\Ports     COM1: to COM4: "9600,n,8,1",
//                                                LPT1: to LPT3: and FILE: ""
//   the version: ...\Windows NT\CurrentVersion (NT) or ...\Windows\CurrentVersion (95, 98)
//   Print: Environments\Windows NT x86 (Drivers\Version-2, Version-3, Print
//          Processors\winprint), Monitors\Local Port, Printers
// Runs in one transaction.
Win32Error WriteStockImage(RegistryStore& store, WindowsVersion version);

// The folders of drive C a fresh system has that the machine uses, as Windows paths.
std::string StockSystemRoot(WindowsVersion version);

}  // namespace machine
