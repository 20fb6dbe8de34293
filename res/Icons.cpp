#include "res/Icons.h"

namespace res {

const IconResource* FindIcon(unsigned id) {
    const IconResource& icon = VornexIcon();
    return icon.id == id ? &icon : nullptr;
}

}  // namespace res
