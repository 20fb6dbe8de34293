#pragma once

#include "afx/Afx.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace monitorui {

// "Configure LPT Port": the transmission-retry timeout, in seconds, of the parallel
// ports. OK takes only a whole number that fits the stored value; anything else is
// refused with a message and the dialog stays open.
class CLptTimeoutDlg : public CDialog {
public:
    CLptTimeoutDlg(std::string portName, std::uint32_t timeoutSeconds, CWnd* parent);

    std::uint32_t TimeoutSeconds() const { return m_timeoutSeconds; }

    BOOL OnInitDialog() override;

protected:
    void OnOK() override;

private:
    std::string m_portName;
    std::uint32_t m_timeoutSeconds;
};

// The seconds a text gives: digits only, at least one, at most 4294967295.
std::optional<std::uint32_t> ParseTimeoutSeconds(std::string_view text);

inline constexpr const char* kBadTimeoutMessage =
    "Enter the transmission retry timeout as a whole number of seconds, from 0 to 4294967295.";

}  // namespace monitorui
