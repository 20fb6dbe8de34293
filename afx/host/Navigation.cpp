#include "afx/host/Navigation.h"

namespace afx::host {
namespace {

int Count(const Window& window) { return static_cast<int>(window.controls.size()); }

const Control& At(const Window& window, int index) { return window.controls[static_cast<std::size_t>(index)]; }

// Visits the other controls cyclically after `from` (before it when backward); returns
// the first for which `accept` holds.
template <class Accept>
int Cycle(const Window& window, int from, bool backward, Accept accept) {
    const int count = Count(window);
    if (count == 0) {
        return -1;
    }
    int start = from;
    if (start < 0) {
        start = backward ? 0 : count - 1;  // the first step lands on the first (last) one
    }
    for (int step = 1; step <= count; ++step) {
        const int index = backward ? (start - step + count * 2) % count : (start + step) % count;
        if (accept(index)) {
            return index;
        }
    }
    return -1;
}

char Upper(char letter) { return letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter; }

}  // namespace

int NextTabStop(const Window& window, int from, bool backward) {
    return Cycle(window, from, backward, [&](int index) {
        const Control& control = At(window, index);
        return control.IsTabStop() && control.CanTakeFocus();
    });
}

int FirstTabStop(const Window& window) { return NextTabStop(window, -1, false); }

std::vector<int> GroupMembers(const Window& window, int index) {
    std::vector<int> members;
    if (index < 0 || index >= Count(window)) {
        return members;
    }
    int first = index;
    while (first > 0 && !At(window, first).StartsGroup()) {
        --first;
    }
    for (int member = first; member < Count(window); ++member) {
        if (member != first && At(window, member).StartsGroup()) {
            break;
        }
        members.push_back(member);
    }
    return members;
}

int NextInGroup(const Window& window, int index, bool backward) {
    const std::vector<int> members = GroupMembers(window, index);
    const int size = static_cast<int>(members.size());
    int position = 0;
    while (position < size && members[static_cast<std::size_t>(position)] != index) {
        ++position;
    }
    for (int step = 1; step < size; ++step) {
        const int next = backward ? (position - step + size) % size : (position + step) % size;
        const int candidate = members[static_cast<std::size_t>(next)];
        if (At(window, candidate).CanTakeFocus()) {
            return candidate;
        }
    }
    return index;
}

int FindMnemonic(const Window& window, char letter) {
    const char wanted = Upper(letter);
    if (wanted == '\0') {
        return -1;
    }
    return Cycle(window, window.focus, false, [&](int index) {
        const Control& control = At(window, index);
        return control.visible && control.enabled && control.ShowsMnemonic() && MnemonicOf(control.text) == wanted;
    });
}

int NextFocusable(const Window& window, int index) {
    return Cycle(window, index, false, [&](int candidate) { return At(window, candidate).CanTakeFocus(); });
}

}  // namespace afx::host
