#define NCURSES_WIDECHAR 1
#include "tui/Terminal.h"

#include "tui/TerminalGuard.h"

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <langinfo.h>
#include <unistd.h>
#include <vector>

#include <curses.h>

namespace tui {
namespace {

constexpr int kAltDelayMs = 30;  // how long an Escape waits for the key it prefixes
constexpr int kAltDownKey = KEY_MAX + 1;
constexpr int kAltUpKey = KEY_MAX + 2;
constexpr int kAltF4Key = KEY_MAX + 3;

Terminal* g_current = nullptr;

void CloseCurrent() {
    if (g_current != nullptr) g_current->Close();
}

bool LocaleIsUtf8() {
    const char* codeset = nl_langinfo(CODESET);
    return codeset != nullptr && (std::strcmp(codeset, "UTF-8") == 0 || std::strcmp(codeset, "utf8") == 0);
}

// The wide characters of a UTF-8 glyph (a character and its combining marks).
int Widen(std::string_view glyph, wchar_t* out, int capacity) {
    int count = 0;
    for (std::size_t at = 0; at < glyph.size() && count < capacity - 1;) {
        const auto lead = static_cast<unsigned char>(glyph[at]);
        std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t value = length == 1 ? lead : length == 2 ? (lead & 0x1Fu) : length == 3 ? (lead & 0x0Fu) : (lead & 0x07u);
        for (std::size_t i = 1; i < length && at + i < glyph.size(); ++i) {
            value = (value << 6) | (static_cast<unsigned char>(glyph[at + i]) & 0x3Fu);
        }
        out[count++] = static_cast<wchar_t>(value);
        at += length;
    }
    out[count] = L'\0';
    return count;
}

struct Look {
    short foreground;
    short background;
    attr_t attrs;
};

constexpr short kBrightWhite = 15;
constexpr short kDarkGrey = 8;

// The Windows 2000 scheme: teal desktop, grey faces, white fields, navy selection and title.
Look ColourLook(Role role, bool sixteen) {
    const short field = sixteen ? kBrightWhite : COLOR_WHITE;
    switch (role) {
        case Role::Desktop: return {COLOR_WHITE, COLOR_CYAN, A_NORMAL};
        case Role::Face: return {COLOR_BLACK, COLOR_WHITE, A_NORMAL};
        case Role::CaptionActive: return {COLOR_WHITE, COLOR_BLUE, A_BOLD};
        case Role::CaptionInactive:
            return sixteen ? Look{COLOR_WHITE, kDarkGrey, A_NORMAL} : Look{COLOR_WHITE, COLOR_BLACK, A_NORMAL};
        case Role::Button: return {COLOR_BLACK, COLOR_WHITE, A_NORMAL};
        case Role::ButtonFocus: return {COLOR_WHITE, COLOR_BLUE, A_BOLD};
        case Role::Field: return {COLOR_BLACK, field, A_NORMAL};
        case Role::Selection: return {COLOR_WHITE, COLOR_BLUE, A_BOLD};
        case Role::SelectionInactive:  // the face's grey on a white field, as Windows shows it
            return sixteen ? Look{COLOR_BLACK, COLOR_WHITE, A_NORMAL} : Look{COLOR_WHITE, COLOR_BLACK, A_NORMAL};
        case Role::Disabled: return sixteen ? Look{kDarkGrey, COLOR_WHITE, A_NORMAL} : Look{COLOR_BLACK, COLOR_WHITE, A_DIM};
        case Role::Menu: return {COLOR_BLACK, COLOR_WHITE, A_NORMAL};
        case Role::ProgressFill: return {COLOR_BLUE, field, A_NORMAL};
        case Role::IconExclamation: return {COLOR_BLACK, COLOR_YELLOW, A_BOLD};
        case Role::IconError: return {COLOR_WHITE, COLOR_RED, A_BOLD};
        case Role::IconInformation: return {COLOR_WHITE, COLOR_BLUE, A_BOLD};
        case Role::Notice: return {COLOR_WHITE, COLOR_BLACK, A_NORMAL};
    }
    return {COLOR_WHITE, COLOR_BLACK, A_NORMAL};
}

// Without colours: reverse for titles, focus and selection, dim for what is disabled.
attr_t MonoLook(Role role) {
    switch (role) {
        case Role::CaptionActive: return A_REVERSE | A_BOLD;
        case Role::ButtonFocus:
        case Role::Selection: return A_REVERSE;
        case Role::SelectionInactive: return A_UNDERLINE;
        case Role::Disabled: return A_DIM;
        case Role::IconExclamation:
        case Role::IconError:
        case Role::IconInformation: return A_BOLD;
        default: return A_NORMAL;
    }
}

short PairOf(Role role) { return static_cast<short>(static_cast<int>(role) + 1); }

Stroke FromKeyCode(int code, bool alt) {
    switch (code) {
        case KEY_UP: return Stroke::Key(TermKey::Up, alt);
        case KEY_DOWN: return Stroke::Key(TermKey::Down, alt);
        case KEY_LEFT: return Stroke::Key(TermKey::Left, alt);
        case KEY_RIGHT: return Stroke::Key(TermKey::Right, alt);
        case KEY_HOME:
        case KEY_A1: return Stroke::Key(TermKey::Home, alt);
        case KEY_END:
        case KEY_C1: return Stroke::Key(TermKey::End, alt);
        case KEY_PPAGE: return Stroke::Key(TermKey::PageUp, alt);
        case KEY_NPAGE: return Stroke::Key(TermKey::PageDown, alt);
        case KEY_BTAB: return Stroke::Key(TermKey::BackTab, alt);
        case KEY_ENTER: return Stroke::Key(TermKey::Enter, alt);
        case KEY_BACKSPACE: return Stroke::Key(TermKey::Backspace, alt);
        case KEY_DC: return Stroke::Key(TermKey::Delete, alt);
        case kAltDownKey: return Stroke::Key(TermKey::Down, true);
        case kAltUpKey: return Stroke::Key(TermKey::Up, true);
        case kAltF4Key: return Stroke::F(4, true);
        default: break;
    }
    if (code >= KEY_F(1) && code <= KEY_F(63)) {
        // xterm's terminfo numbers modified function keys on: F49 to F60 are Alt+F1 to F12.
        const int number = code - KEY_F(0);
        if (number >= 49 && number <= 60) return Stroke::F(number - 48, true);
        if (number <= 12) return Stroke::F(number, alt);
    }
    return Stroke::Key(TermKey::None, alt);
}

}  // namespace

std::unique_ptr<Terminal> Terminal::Open(std::string& error) {
    std::unique_ptr<Terminal> terminal(new Terminal());
    if (!terminal->Start(error)) return nullptr;
    return terminal;
}

bool Terminal::Start(std::string& error) {
    if (isatty(STDIN_FILENO) == 0 || isatty(STDOUT_FILENO) == 0) {
        error = "standard input and output are not a terminal";
        return false;
    }
    // Only the character type: the rest of the program keeps the C locale's formats.
    std::setlocale(LC_CTYPE, "");
    if (!LocaleIsUtf8() && (std::setlocale(LC_CTYPE, "C.UTF-8") == nullptr || !LocaleIsUtf8())) {
        error = "no UTF-8 locale is available (set LANG, e.g. LANG=C.UTF-8)";
        return false;
    }
    SaveTerminalModes(STDOUT_FILENO);
    SCREEN* screen = newterm(nullptr, stdout, stdin);
    if (screen == nullptr) {
        const char* term = std::getenv("TERM");
        error = std::string("cannot drive the terminal TERM=") + (term != nullptr ? term : "(unset)");
        return false;
    }
    m_screen = screen;
    m_open = true;
    set_term(screen);
    cbreak();  // Ctrl+C and Ctrl+\ stay signals
    noecho();
    nonl();
    keypad(stdscr, TRUE);
    intrflush(stdscr, FALSE);
    set_escdelay(kAltDelayMs);
    define_key("\033[1;3B", kAltDownKey);
    define_key("\033[1;3A", kAltUpKey);
    define_key("\033[1;3S", kAltF4Key);
    define_key("\033[Z", KEY_BTAB);
    mousemask(BUTTON1_PRESSED | BUTTON3_PRESSED | BUTTON4_PRESSED | BUTTON5_PRESSED, nullptr);
    mouseinterval(0);  // a press is a click at once; no waiting for a double click

    m_colours = has_colors() && std::getenv("NO_COLOR") == nullptr;
    if (m_colours) start_color();
    const bool sixteen = m_colours && COLORS >= 16;
    for (int index = 0; index < kRoleCount; ++index) {
        const auto role = static_cast<Role>(index);
        const Look look = ColourLook(role, sixteen);
        if (m_colours) init_pair(PairOf(role), look.foreground, look.background);
        m_attrs[static_cast<std::size_t>(index)] = m_colours ? look.attrs : MonoLook(role);
    }

    std::string restore;
    for (const char* capability : {"sgr0", "cnorm", "rmkx", "rmcup"}) {
        const char* sequence = tigetstr(capability);
        if (sequence != nullptr && sequence != reinterpret_cast<char*>(-1)) restore += sequence;
        if (std::strcmp(capability, "rmkx") == 0) restore += "\033[?1000l\033[?1002l\033[?1006l";
    }
    g_current = this;
    ArmTerminalGuard(restore, CloseCurrent);
    return true;
}

Terminal::~Terminal() { Close(); }

void Terminal::Close() {
    if (!m_open) return;
    m_open = false;
    DisarmTerminalGuard();
    endwin();
    delscreen(static_cast<SCREEN*>(m_screen));
    m_screen = nullptr;
    if (g_current == this) g_current = nullptr;
}

CellSize Terminal::Size() const { return {COLS, LINES}; }

void Terminal::Show(const Canvas& canvas) {
    const CellSize size = canvas.Size();
    m_origin = {std::max(0, (COLS - size.width) / 2), std::max(0, (LINES - size.height) / 2)};
    attr_t desktopAttrs = m_colours ? COLOR_PAIR(PairOf(Role::Desktop)) : A_NORMAL;
    bkgdset(' ' | desktopAttrs);
    erase();

    // Runs of cells that look alike go out with one call each.
    const Cell blank{" ", Style{Role::Desktop}, false};
    const int width = std::min(size.width, COLS - m_origin.x);
    std::vector<wchar_t> run;
    wchar_t wide[8];
    for (int y = 0; y < size.height && y + m_origin.y < LINES; ++y) {
        for (int x = 0; x < width;) {
            const Cell& first = canvas.At(x, y);
            if (first.tail || first == blank) {  // erase() left the desktop there
                ++x;
                continue;
            }
            const int start = x;
            run.clear();
            for (; x < width; ++x) {
                const Cell& cell = canvas.At(x, y);
                if (cell.tail) continue;  // the wide character before it covers it
                if (cell.style != first.style || cell == blank) break;
                const bool wideCell = x + 1 < size.width && canvas.At(x + 1, y).tail;
                const int count = Widen(cell.glyph, wide, 8);
                // A character the terminal's library measures otherwise would shift the row.
                if (wide[0] >= 0x80 && wcwidth(wide[0]) != (wideCell ? 2 : 1)) {
                    run.insert(run.end(), wideCell ? 2 : 1, L'?');
                } else {
                    run.insert(run.end(), wide, wide + count);
                }
            }
            const Style look = first.style;
            attr_t attrs = m_attrs[static_cast<std::size_t>(look.role)];
            if ((look.attrs & kAttrBold) != 0) attrs |= A_BOLD;
            if ((look.attrs & kAttrUnderline) != 0) attrs |= A_UNDERLINE;
            if ((look.attrs & kAttrReverse) != 0) attrs ^= A_REVERSE;
            if ((look.attrs & kAttrEscaped) != 0) attrs ^= A_REVERSE;
            attr_set(attrs, m_colours ? PairOf(look.role) : 0, nullptr);
            mvaddnwstr(y + m_origin.y, start + m_origin.x, run.data(), static_cast<int>(run.size()));
        }
    }
    attr_set(A_NORMAL, 0, nullptr);
    if (const std::optional<CellPoint>& cursor = canvas.Cursor()) {
        move(cursor->y + m_origin.y, cursor->x + m_origin.x);
        curs_set(1);
    } else {
        curs_set(0);
    }
    refresh();
}

void Terminal::ShowTooSmall(CellSize needed) {
    bkgdset(' ' | (m_colours ? COLOR_PAIR(PairOf(Role::Notice)) : A_NORMAL));
    erase();
    char lines[3][160];
    std::snprintf(lines[0], sizeof lines[0], "VORNEX needs a terminal of at least %d x %d characters;", needed.width,
                  needed.height);
    std::snprintf(lines[1], sizeof lines[1], "this one is %d x %d.", COLS, LINES);
    std::snprintf(lines[2], sizeof lines[2], "Enlarge the window and the wizard comes back. Ctrl+C quits.");
    const int top = std::max(0, (LINES - 3) / 2);
    for (int row = 0; row < 3; ++row) {
        const int length = static_cast<int>(std::strlen(lines[row]));
        mvaddnstr(top + row, std::max(0, (COLS - length) / 2), lines[row], COLS);
    }
    curs_set(0);
    refresh();
}

void Terminal::Redraw() { clearok(curscr, TRUE); }

Stroke Terminal::Read() {
    for (;;) {
        wint_t value = 0;
        const int result = get_wch(&value);
        if (result == ERR) {
            if (errno == EINTR) continue;
            return Stroke{};  // the terminal is gone
        }
        if (result == KEY_CODE_YES) {
            if (value == KEY_RESIZE) return Stroke::Resize();
            if (value == KEY_MOUSE) {
                MEVENT event{};
                if (getmouse(&event) != OK) continue;
                const int x = event.x - m_origin.x;
                const int y = event.y - m_origin.y;
                if ((event.bstate & BUTTON1_PRESSED) != 0) return Stroke::Mouse(MouseButton::Left, x, y);
                if ((event.bstate & BUTTON3_PRESSED) != 0) return Stroke::Mouse(MouseButton::Right, x, y);
                if ((event.bstate & BUTTON4_PRESSED) != 0) return Stroke::Mouse(MouseButton::WheelUp, x, y);
                if ((event.bstate & BUTTON5_PRESSED) != 0) return Stroke::Mouse(MouseButton::WheelDown, x, y);
                continue;
            }
            return FromKeyCode(static_cast<int>(value), false);
        }
        if (value != 0x1B) return Stroke::Char(static_cast<char32_t>(value));

        // Escape alone, or Alt with the key that follows it at once.
        timeout(kAltDelayMs);
        wint_t next = 0;
        const int second = get_wch(&next);
        timeout(-1);
        if (second == ERR) return Stroke::Char(0x1B);
        if (second == KEY_CODE_YES) {
            // Alt gives meaning to only a few special keys; before any other, the Escape
            // was a key of its own, pressed just before.
            // A key that carries its own Alt (xterm's ESC [ 1 ; 3 B) had its Escape too.
            const Stroke plain = FromKeyCode(static_cast<int>(next), false);
            const bool altKey = !plain.alt && (plain.key == TermKey::Up || plain.key == TermKey::Down ||
                                               (plain.key == TermKey::Function && plain.function == 4));
            if (next == KEY_RESIZE || next == KEY_MOUSE || !altKey) {
                ungetch(static_cast<int>(next));
                return Stroke::Char(0x1B);
            }
            return FromKeyCode(static_cast<int>(next), true);
        }
        if (next == 0x1B) {
            unget_wch(static_cast<wchar_t>(next));
            return Stroke::Char(0x1B);
        }
        return Stroke::Char(static_cast<char32_t>(next), true);
    }
}

void Terminal::DiscardTypeahead() { flushinp(); }

void Terminal::Beep() { beep(); }

}  // namespace tui
