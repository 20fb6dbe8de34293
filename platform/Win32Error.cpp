#include "platform/Win32Error.h"

namespace platform {

namespace {

const char* KnownMeaning(Win32Error error)
{
    switch (error) {
    case kErrorSuccess: return "success";
    case kErrorFileNotFound: return "the file was not found";
    case kErrorPathNotFound: return "the path was not found";
    case kErrorAccessDenied: return "access is denied";
    case kErrorInvalidHandle: return "the handle is invalid";
    case kErrorNotEnoughMemory: return "not enough memory";
    case kErrorWriteFault: return "the device cannot be written to";
    case kErrorNotSupported: return "the request is not supported";
    case kErrorFileExists: return "the file exists";
    case kErrorInvalidParameter: return "the parameter is incorrect";
    case kErrorInsufficientBuffer: return "the buffer is too small";
    case kErrorInvalidName: return "the name is not valid";
    case kErrorInvalidLevel: return "the information level is not supported";
    case kErrorBusy: return "the resource is in use";
    case kErrorAlreadyExists: return "it already exists";
    case kErrorMoreData: return "more data is available";
    case kErrorBadDatabase: return "the registry store is corrupt";
    case kErrorCancelled: return "the operation was cancelled by the user";
    case kErrorUnknownPort: return "the port is unknown";
    case kErrorUnknownPrinterDriver: return "the printer driver is unknown";
    case kErrorUnknownPrintProcessor: return "the print processor is unknown";
    case kErrorInvalidPrinterName: return "the printer name is invalid";
    case kErrorPrinterAlreadyExists: return "the printer already exists";
    case kErrorInvalidEnvironment: return "the environment is invalid";
    case kErrorUnknownPrintMonitor: return "the port monitor is unknown";
    default: return nullptr;
    }
}

}  // namespace

std::string DescribeError(Win32Error error)
{
    const char* meaning = KnownMeaning(error);
    std::string text = "error " + std::to_string(error);
    if (meaning)
        text += std::string(": ") + meaning;
    return text;
}

}  // namespace platform
