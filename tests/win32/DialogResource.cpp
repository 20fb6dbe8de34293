#include "afx/win32/WinApi.h"

#include "afx/win32/WideText.h"
#include "tests/win32/DialogResource.h"

#include <cstring>

namespace wintest {
namespace {

class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}

    bool Failed() const { return m_failed; }

    std::uint16_t Word() {
        if (m_at + 2 > m_bytes.size()) {
            m_failed = true;
            return 0;
        }
        const std::uint16_t value = static_cast<std::uint16_t>(m_bytes[m_at] | (m_bytes[m_at + 1] << 8));
        m_at += 2;
        return value;
    }
    std::uint32_t Dword() {
        const std::uint32_t low = Word();
        return low | (static_cast<std::uint32_t>(Word()) << 16);
    }
    std::uint8_t Byte() {
        if (m_at + 1 > m_bytes.size()) {
            m_failed = true;
            return 0;
        }
        return m_bytes[m_at++];
    }
    int Short() { return static_cast<std::int16_t>(Word()); }

    std::string Text() {
        std::wstring text;
        for (std::uint16_t c = Word(); c != 0 && !m_failed; c = Word()) {
            text.push_back(static_cast<wchar_t>(c));
        }
        return afx::win32::Narrow(text);
    }

    // A name or a number: 0xFFFF introduces a number, 0 an empty name.
    std::string TextOrNumber(std::optional<unsigned>& number) {
        if (m_at + 2 <= m_bytes.size() && m_bytes[m_at] == 0xFF && m_bytes[m_at + 1] == 0xFF) {
            Word();
            number = Word();
            return {};
        }
        return Text();
    }

    void AlignToDword() { m_at = (m_at + 3) & ~static_cast<std::size_t>(3); }
    void Skip(std::size_t count) { m_at += count; }

private:
    std::span<const std::uint8_t> m_bytes;
    std::size_t m_at = 0;
    bool m_failed = false;
};

std::string PredefinedClass(unsigned atom) {
    switch (atom) {
        case 0x80: return "Button";
        case 0x81: return "Edit";
        case 0x82: return "Static";
        case 0x83: return "ListBox";
        case 0x84: return "ScrollBar";
        case 0x85: return "ComboBox";
        default: return "#" + std::to_string(atom);
    }
}

}  // namespace

std::optional<DialogResource> ReadDialogResource(std::span<const std::uint8_t> bytes) {
    Reader in(bytes);
    DialogResource dialog;
    if (in.Word() != 1 || in.Word() != 0xFFFF) {
        return std::nullopt;  // not DLGTEMPLATEEX
    }
    in.Dword();  // help id
    dialog.exStyle = in.Dword();
    dialog.style = in.Dword();
    const unsigned count = in.Word();
    dialog.x = in.Short();
    dialog.y = in.Short();
    dialog.cx = in.Short();
    dialog.cy = in.Short();
    std::optional<unsigned> number;
    in.TextOrNumber(number);  // menu
    in.TextOrNumber(number);  // class
    dialog.caption = in.Text();
    if ((dialog.style & (DS_SETFONT | DS_SHELLFONT)) != 0) {
        dialog.pointSize = in.Word();
        dialog.weight = in.Word();
        in.Byte();  // italic
        dialog.charset = in.Byte();
        dialog.face = in.Text();
    }
    for (unsigned i = 0; i < count && !in.Failed(); ++i) {
        in.AlignToDword();
        DialogItem item;
        in.Dword();  // help id
        item.exStyle = in.Dword();
        item.style = in.Dword();
        item.x = in.Short();
        item.y = in.Short();
        item.cx = in.Short();
        item.cy = in.Short();
        item.id = static_cast<int>(in.Dword());
        std::optional<unsigned> atom;
        item.windowClass = in.TextOrNumber(atom);
        if (atom) {
            item.windowClass = PredefinedClass(*atom);
        }
        item.text = in.TextOrNumber(item.textId);
        in.Skip(in.Word());  // creation data
        dialog.items.push_back(std::move(item));
    }
    if (in.Failed()) {
        return std::nullopt;
    }
    return dialog;
}

}  // namespace wintest
