#include "machine/RegistryNames.h"

namespace machine {

std::string FoldName(std::string_view name)
{
    std::string folded(name);
    for (char& c : folded) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return folded;
}

const char* RootKeyName(RootKey root)
{
    return root == RootKey::CurrentUser ? "HKEY_CURRENT_USER" : "HKEY_LOCAL_MACHINE";
}

bool ParseRootedKeyPath(std::string_view text, RootKey& root, std::string& subKey)
{
    const std::size_t slash = text.find('\\');
    const std::string head = FoldName(text.substr(0, slash));
    if (head == "HKLM" || head == "HKEY_LOCAL_MACHINE")
        root = RootKey::LocalMachine;
    else if (head == "HKCU" || head == "HKEY_CURRENT_USER")
        root = RootKey::CurrentUser;
    else
        return false;
    subKey = slash == std::string_view::npos ? std::string() : std::string(text.substr(slash + 1));
    return true;
}

}  // namespace machine
