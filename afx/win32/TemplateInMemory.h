#pragma once

#include "afx/win32/WinApi.h"

#include "res/DialogTemplate.h"

#include <vector>

// A res/ dialog template laid out as the DLGTEMPLATEEX that DialogBoxIndirectParamW
// takes: the same bytes the resource compiler writes for the numbered templates.
namespace afx::win32 {

class TemplateInMemory {
public:
    explicit TemplateInMemory(const res::DialogTemplate& source);

    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(m_words.data()); }

private:
    void Word(unsigned value);
    void Dword(std::uint32_t value);
    void Text(std::string_view utf8);
    void AlignToDword();

    // The heap gives the start the DWORD alignment the format needs; items are aligned
    // within it.
    std::vector<WORD> m_words;
};

}  // namespace afx::win32
