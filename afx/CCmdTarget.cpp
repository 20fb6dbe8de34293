#include "afx/CCmdTarget.h"

const afx::MessageMap& CCmdTarget::GetThisMessageMap() {
    static const afx::MessageMap map{nullptr, {}};
    return map;
}

const afx::MessageMap* CCmdTarget::GetMessageMap() const { return &GetThisMessageMap(); }

const afx::MessageEntry* CCmdTarget::FindMessageEntry(UINT message, UINT code, UINT id) const {
    const bool keyed = message == WM_COMMAND || message == WM_NOTIFY;
    for (const afx::MessageMap* map = GetMessageMap(); map != nullptr; map = map->base) {
        for (const afx::MessageEntry& entry : map->entries) {
            if (entry.message != message) {
                continue;
            }
            if (!keyed || (entry.code == code && id >= entry.firstId && id <= entry.lastId)) {
                return &entry;
            }
        }
    }
    return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT id, UINT code) {
    const afx::MessageEntry* entry = FindMessageEntry(WM_COMMAND, code, id);
    if (entry == nullptr) {
        return FALSE;
    }
    entry->handler(*this, afx::MakeWParam(id, code), 0);
    return TRUE;
}
