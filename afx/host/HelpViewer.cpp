#include "afx/host/HelpViewer.h"

#include "afx/Backend.h"
#include "afx/ProgramName.h"
#include "afx/WinConstants.h"
#include "afx/host/HelpFile.h"

#include <fstream>
#include <sstream>
#include <string>

namespace afx::host {

void ShowHelpTopic(std::string_view helpFilePath, DWORD context) {
    const std::string path(helpFilePath);
    const std::string caption = ProgramTitle(path) + " Help";
    std::ifstream file(path, std::ios::binary);
    std::string text;
    if (!file) {
        text = "The help file " + path + " could not be opened.";
    } else {
        std::ostringstream contents;
        contents << file.rdbuf();
        const std::optional<HelpTopic> topic = FindHelpTopic(contents.str(), context);
        if (!topic) {
            text = "The help file " + path + " has no topic " + std::to_string(context) + ".";
        } else {
            text = topic->title.empty() ? topic->body : topic->title + "\n\n" + topic->body;
        }
    }
    afx::backend::ShowMessageBox(afx::backend::ActiveWindow(), text, caption, MB_OK | MB_ICONINFORMATION);
}

}  // namespace afx::host
