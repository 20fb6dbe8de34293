#include "res/Templates.h"

#include <array>

namespace res {

std::span<const DialogTemplate> AllDialogTemplates() {
    static const std::array<DialogTemplate, 5> all{
        AboutBoxTemplate(),   DetailTemplate(),     SelectOsTemplate(),
        CreatePortTemplate(), SelectPortTemplate(),
    };
    return all;
}

const DialogTemplate* FindDialogTemplate(unsigned id) {
    for (const DialogTemplate& dialog : AllDialogTemplates()) {
        if (dialog.id == id) {
            return &dialog;
        }
    }
    return nullptr;
}

}  // namespace res
