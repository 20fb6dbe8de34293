#include "afx/win32/TemplateInMemory.h"

#include "afx/win32/ControlClasses.h"
#include "afx/win32/WideText.h"

namespace afx::win32 {

TemplateInMemory::TemplateInMemory(const res::DialogTemplate& source) {
    // DLGTEMPLATEEX header.
    Word(1);        // dlgVer
    Word(0xFFFF);   // signature
    Dword(0);       // helpID
    Dword(source.exStyle);
    Dword(source.style | DS_SETFONT);
    Word(static_cast<unsigned>(source.controls.size()));
    Word(static_cast<unsigned>(source.rect.x));
    Word(static_cast<unsigned>(source.rect.y));
    Word(static_cast<unsigned>(source.rect.cx));
    Word(static_cast<unsigned>(source.rect.cy));
    Word(0);  // no menu
    Word(0);  // the standard dialog class
    Text(source.caption);
    Word(static_cast<unsigned>(source.font.points));
    Word(FW_NORMAL);
    m_words.push_back(static_cast<WORD>(kDialogFontCharset << 8));  // italic 0, then the charset byte
    Text(source.font.face);

    for (const res::ControlTemplate& control : source.controls) {
        AlignToDword();
        Dword(0);  // helpID
        Dword(control.exStyle);
        Dword(control.style);
        Word(static_cast<unsigned>(control.rect.x));
        Word(static_cast<unsigned>(control.rect.y));
        Word(static_cast<unsigned>(control.rect.cx));
        Word(static_cast<unsigned>(control.rect.cy));
        Dword(static_cast<std::uint32_t>(control.id));
        Text(WindowClassName(control.kind));
        if (control.kind == res::ControlKind::Icon) {
            Word(0xFFFF);  // the icon by its resource number
            Word(control.iconId);
        } else {
            Text(control.text);
        }
        Word(0);  // no creation data
    }
}

void TemplateInMemory::Word(unsigned value) { m_words.push_back(static_cast<WORD>(value & 0xFFFFu)); }

void TemplateInMemory::Dword(std::uint32_t value) {
    Word(value & 0xFFFFu);
    Word(value >> 16);
}

void TemplateInMemory::Text(std::string_view utf8) {
    for (wchar_t c : Widen(utf8)) {
        Word(static_cast<unsigned>(c));
    }
    Word(0);
}

void TemplateInMemory::AlignToDword() {
    if (m_words.size() % 2 != 0) {
        Word(0);
    }
}

}  // namespace afx::win32
