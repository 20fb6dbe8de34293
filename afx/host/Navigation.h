#pragma once

#include "afx/host/Model.h"

#include <vector>

// Finding controls as the dialog keyboard does: tab stops, groups, mnemonics. Indexes
// are positions in Window::controls (template order); -1 means none. Internal to
// afx/host.
namespace afx::host {

// The next (or previous) visible, enabled tab stop after `from`, wrapping around.
int NextTabStop(const Window& window, int from, bool backward);
int FirstTabStop(const Window& window);

// The controls of the group `index` belongs to: from the nearest WS_GROUP control at
// or before it to the next one, whatever their state.
std::vector<int> GroupMembers(const Window& window, int index);

// The next (or previous) control of `index`'s group that can take the focus, wrapping
// within the group; `index` itself when no other can.
int NextInGroup(const Window& window, int index, bool backward);

// The visible, enabled control whose caption marks `letter` (case-insensitive), the
// first one after the focused control, wrapping around.
int FindMnemonic(const Window& window, char letter);

// The first control after `index` that can take the focus (a label's mnemonic moves
// there).
int NextFocusable(const Window& window, int index);

}  // namespace afx::host
