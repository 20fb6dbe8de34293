#pragma once

#include <string>

namespace robot {

// Captures the whole screen (under Wine: its virtual desktop) into a 24-bit BMP in
// `folder`, named after the flow, the shot's number and the active window's caption:
// "about_box-01-Detail Setting.bmp". Returns the file's name, or empty on failure.
std::string SaveScreenshot(const std::string& folder, const std::string& flowName, int number,
                           const std::string& caption);

}  // namespace robot
