#include "flows/FlowScript.h"

#include "flows/FlowTokens.h"
#include "machine/RegistryNames.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <fstream>
#include <map>
#include <sstream>

namespace flows {
namespace {

using afx::host::AltLetter;
using afx::host::Key;
using afx::host::KeyPress;

// Reads the words of one line in order; the first problem sticks and is reported once
// the line has been read.
class LineReader {
public:
    explicit LineReader(const std::vector<Token>& tokens) : m_tokens(tokens) {}

    bool AtEnd() const { return m_at >= m_tokens.size(); }
    bool Failed() const { return m_error.has_value(); }
    const std::string& Error() const { return *m_error; }
    void Fail(std::string why)
    {
        if (!m_error)
            m_error = std::move(why);
    }

    const Token* Peek() const { return AtEnd() ? nullptr : &m_tokens[m_at]; }
    bool NextIs(std::string_view word) const { return Peek() != nullptr && Peek()->IsWord(word); }

    std::string Word(std::string_view what)
    {
        const Token* token = Take(what);
        if (token != nullptr && token->kind != Token::Kind::Word)
            Fail("expected " + std::string(what) + ", not a text");
        return token != nullptr ? token->text : std::string();
    }

    void Expect(std::string_view word)
    {
        const Token* token = Take(word);
        if (token != nullptr && !token->IsWord(word))
            Fail("expected '" + std::string(word) + "'");
    }

    long long Number(std::string_view what, long long low, long long high)
    {
        const std::string word = Word(what);
        if (Failed())
            return 0;
        long long value = 0;
        const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
        if (ec != std::errc() || end != word.data() + word.size()) {
            Fail("expected " + std::string(what) + " as a number, not '" + word + "'");
            return 0;
        }
        if (value < low || value > high)
            Fail(std::string(what) + " must be from " + std::to_string(low) + " to " + std::to_string(high));
        return value;
    }

    int Id() { return static_cast<int>(Number("a control id", 0, 0xFFFF)); }

    std::string Text(std::string_view what)
    {
        const Token* token = Take(what);
        if (token != nullptr && token->kind != Token::Kind::Text)
            Fail("expected " + std::string(what) + " in quotes");
        return token != nullptr ? token->text : std::string();
    }

    // A text or `null`.
    std::optional<std::string> TextOrNull(std::string_view what)
    {
        const Token* token = Take(what);
        if (token == nullptr || token->kind == Token::Kind::Null)
            return std::nullopt;
        if (token->kind != Token::Kind::Text)
            Fail("expected " + std::string(what) + " in quotes, or null");
        return token->text;
    }

    void End()
    {
        if (!AtEnd())
            Fail("unexpected '" + m_tokens[m_at].text + "' at the end of the line");
    }

private:
    const Token* Take(std::string_view what)
    {
        if (AtEnd()) {
            Fail("expected " + std::string(what));
            return nullptr;
        }
        return &m_tokens[m_at++];
    }

    const std::vector<Token>& m_tokens;
    std::size_t m_at = 0;
    std::optional<std::string> m_error;
};

std::string Lower(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

std::optional<afx::host::InputEvent> KeyEvent(std::string_view name)
{
    static const std::map<std::string, Key> kKeys{
        {"enter", Key::Enter},   {"esc", Key::Escape},         {"tab", Key::Tab},
        {"shift+tab", Key::ShiftTab}, {"up", Key::Up},         {"down", Key::Down},
        {"left", Key::Left},     {"right", Key::Right},        {"home", Key::Home},
        {"end", Key::End},       {"space", Key::Space},        {"backspace", Key::Backspace},
        {"f1", Key::F1},         {"f4", Key::F4},              {"alt+down", Key::AltDown},
        {"alt+f4", Key::AltF4},  {"alt+space", Key::AltSpace},
    };
    const std::string lower = Lower(name);
    if (const auto found = kKeys.find(lower); found != kKeys.end())
        return KeyPress{found->second};
    if (lower.size() == 5 && lower.starts_with("alt+") && std::isalnum(static_cast<unsigned char>(lower[4])))
        return AltLetter{static_cast<char>(std::toupper(static_cast<unsigned char>(lower[4])))};
    return std::nullopt;
}

void ParseAction(const std::string& verb, LineReader& reader, FlowStep& step)
{
    if (verb == "press") {
        const Token* next = reader.Peek();
        if (next != nullptr && next->kind == Token::Kind::Text) {
            step.op = Op::PressCaption;
            step.text = reader.Text("a caption");
        } else {
            step.op = Op::Press;
            step.id = reader.Id();
            step.event = afx::host::PressControl{step.id};
        }
    } else if (verb == "click") {
        step.op = Op::Click;
        step.id = reader.Id();
        step.event = afx::host::ClickControl{step.id};
    } else if (verb == "key") {
        step.op = Op::Key;
        const std::string name = reader.Word("a key name");
        step.event = KeyEvent(name);
        if (!reader.Failed() && !step.event)
            reader.Fail("unknown key '" + name +
                        "' (Enter Esc Tab Shift+Tab Up Down Left Right Home End Space Backspace F1 F4 "
                        "Alt+Down Alt+F4 Alt+Space Alt+letter)");
    } else if (verb == "pick") {
        step.op = Op::Pick;
        step.number = reader.Number("a row", -1, 0xFFFFFF);
        reader.Expect("in");
        step.id = reader.Id();
        step.event = afx::host::ClickRow{step.id, static_cast<int>(step.number)};
    } else if (verb == "type") {
        step.op = Op::Type;
        step.text = reader.Text("the text to type");
        step.event = afx::host::TypeText{*step.text};
    } else if (verb == "close") {
        step.op = Op::Close;
        step.event = afx::host::ClickCloseBox{};
    } else if (verb == "menu") {
        step.op = Op::Menu;
        step.id = reader.Id();
        step.event = afx::host::ChooseMenuItem{static_cast<UINT>(step.id)};
    } else if (verb == "minimize") {
        step.op = Op::Minimize;
        step.event = afx::host::MinimizeWindow{};
    } else if (verb == "restore") {
        step.op = Op::Restore;
        step.event = afx::host::RestoreWindow{};
    } else if (verb == "dump") {
        step.op = Op::Dump;
    }
    reader.End();
}

void ParseRow(LineReader& reader, FlowStep& step)
{
    if (reader.NextIs("none")) {
        reader.Word("none");
        step.none = true;
    } else {
        step.number = reader.Number("a row", 0, 0xFFFFFF);
    }
}

void ParseExpectation(LineReader& reader, FlowStep& step)
{
    static const std::map<std::string, Op> kIdOnly{
        {"checked", Op::ExpectChecked}, {"unchecked", Op::ExpectUnchecked}, {"enabled", Op::ExpectEnabled},
        {"disabled", Op::ExpectDisabled}, {"visible", Op::ExpectVisible},  {"hidden", Op::ExpectHidden},
        {"focus", Op::ExpectFocus},
    };
    const std::string what = reader.Word("what to expect");
    if (reader.Failed())
        return;
    if (const auto found = kIdOnly.find(what); found != kIdOnly.end()) {
        step.op = found->second;
        step.id = reader.Id();
    } else if (what == "window") {
        step.op = Op::ExpectWindow;
        step.text = reader.Text("a caption");
    } else if (what == "text") {
        step.op = Op::ExpectText;
        step.id = reader.Id();
        step.text = reader.Text("the text");
    } else if (what == "selected") {
        step.op = Op::ExpectSelected;
        step.id = reader.Id();
        ParseRow(reader, step);
    } else if (what == "count") {
        step.op = Op::ExpectCount;
        step.id = reader.Id();
        step.number = reader.Number("a count", 0, 0xFFFFFF);
    } else if (what == "item") {
        step.op = Op::ExpectItem;
        step.id = reader.Id();
        step.number = reader.Number("a row", 0, 0xFFFFFF);
        step.text = reader.Text("the row's text");
        while (!reader.AtEnd() && !reader.Failed())
            step.texts.push_back(reader.Text("a column's text"));
    } else if (what == "shows") {
        step.op = Op::ExpectShows;
        step.text = reader.Text("the text");
    } else if (what == "message") {
        step.op = Op::ExpectMessage;
        step.text = reader.Text("the message text");
    } else if (what == "ended") {
        step.op = Op::ExpectEnded;
    } else if (what == "refused") {
        step.op = Op::ExpectRefused;
        if (!reader.AtEnd())
            step.text = reader.Text("part of the reason");
    } else if (what == "progress") {
        step.op = Op::ExpectProgress;
        step.id = reader.Id();
        while (!reader.AtEnd() && !reader.Failed())
            step.positions.push_back(static_cast<int>(reader.Number("a position", -0x7FFFFFFF, 0x7FFFFFFF)));
    } else if (what == "traces" || what == "installs" || what == "printers") {
        step.op = what == "traces" ? Op::ExpectTraces : what == "installs" ? Op::ExpectInstalls : Op::ExpectPrinters;
        step.number = reader.Number("a count", 0, 0xFFFFFF);
    } else if (what == "calls") {
        step.op = Op::ExpectCalls;
        step.text = reader.Word("a spooler call");
        const auto calls = CountableCalls();
        if (!reader.Failed() && std::find(calls.begin(), calls.end(), *step.text) == calls.end()) {
            std::string known;
            for (std::string_view call : calls)
                known += " " + std::string(call);
            reader.Fail("unknown call '" + *step.text + "' (one of" + known + ")");
        }
        step.number = reader.Number("a count", 0, 0xFFFFFF);
    } else if (what == "printer") {
        step.op = Op::ExpectPrinter;
        step.text = reader.Text("the printer's name");
        if (reader.NextIs("on")) {
            reader.Expect("on");
            step.texts.push_back(reader.Text("the port's name"));
        }
    } else if (what == "value") {
        step.op = Op::ExpectValue;
        const std::string key = reader.Text("a key such as 'HKLM\\SOFTWARE\\...'");
        std::string subKey;
        if (!reader.Failed() && !machine::ParseRootedKeyPath(key, step.root, subKey))
            reader.Fail("the key must begin with HKLM\\ or HKCU\\ (or HKEY_LOCAL_MACHINE\\, HKEY_CURRENT_USER\\)");
        step.texts.push_back(subKey);
        step.texts.push_back(reader.Text("the value's name"));
        if (reader.NextIs("none")) {
            reader.Word("none");
            step.none = true;
        } else {
            step.text = reader.Text("the value's text, or none");
        }
    } else {
        reader.Fail("unknown expectation '" + what + "'");
    }
    reader.End();
}

// Generated port names for "ports N": none of them is a preferred port.
std::string GeneratedPortName(long long index) { return "P" + std::to_string(index) + ":"; }

bool ParseSetup(const std::string& verb, LineReader& reader, int line, FlowSetup& setup)
{
    auto need = [&](SetupNeed what) { setup.requirements.push_back({line, verb, what}); };
    if (verb == "machine") {
        const std::string kind = reader.Word("temporary or fakes");
        if (kind == "temporary")
            setup.machine = MachineChoice::Temporary;
        else if (kind == "fakes")
            setup.machine = MachineChoice::Fakes;
        else if (!reader.Failed())
            reader.Fail("the machine is 'temporary' or 'fakes'");
    } else if (verb == "windows") {
        const std::string name = reader.Word("a Windows version");
        setup.windows = machine::ParseWindowsVersion(name);
        if (!reader.Failed() && !setup.windows) {
            std::string known;
            for (const machine::WindowsVersionFacts& facts : machine::AllWindowsVersions())
                known += " " + std::string(facts.shortName);
            reader.Fail("unknown Windows version '" + name + "' (one of" + known + ")");
        }
        need(SetupNeed::Scratch);
    } else if (verb == "ports") {
        std::vector<PortSetup> ports;
        const Token* first = reader.Peek();
        if (first != nullptr && first->kind == Token::Kind::Word) {
            const long long count = reader.Number("a number of ports", 0, 100000);
            for (long long i = 0; i < count; ++i)
                ports.push_back({GeneratedPortName(i)});
        } else {
            while (!reader.AtEnd() && !reader.Failed())
                ports.push_back({reader.TextOrNull("a port name")});
        }
        const bool onlyFakes = std::any_of(ports.begin(), ports.end(), [](const PortSetup& p) { return !p.name; });
        setup.ports = std::move(ports);
        need(onlyFakes ? SetupNeed::Fakes : SetupNeed::Scratch);
    } else if (verb == "port") {
        if (!setup.ports)
            setup.ports = std::vector<PortSetup>{};
        const long long row = reader.Number("a record number", 0, 100000);
        PortSetup port{reader.TextOrNull("a port name")};
        bool onlyFakes = !port.name;
        if (!reader.AtEnd()) {
            port.description = reader.TextOrNull("a description");
            onlyFakes = true;  // the machine lists every port as "Local Port"
        }
        if (!reader.Failed() && row > static_cast<long long>(setup.ports->size()))
            reader.Fail("record " + std::to_string(row) + " comes after the " +
                        std::to_string(setup.ports->size()) + " ports listed so far");
        if (!reader.Failed()) {
            if (row == static_cast<long long>(setup.ports->size()))
                setup.ports->push_back(port);
            else
                (*setup.ports)[static_cast<std::size_t>(row)] = port;
        }
        need(onlyFakes ? SetupNeed::Fakes : SetupNeed::Scratch);
    } else if (verb == "monitors") {
        std::vector<std::optional<std::string>> monitors;
        while (!reader.AtEnd() && !reader.Failed())
            monitors.push_back(reader.TextOrNull("a monitor name"));
        setup.monitors = std::move(monitors);
        need(SetupNeed::Fakes);
    } else if (verb == "fail") {
        reader.Expect("set");
        setup.failingValues.push_back(reader.Text("the value's name"));
        need(SetupNeed::Any);
    } else if (verb == "missing") {
        reader.Expect("key");
        const std::string key = reader.Text("a key such as 'HKCU\\Software\\...'");
        MissingKey missing;
        if (!reader.Failed() && !machine::ParseRootedKeyPath(key, missing.root, missing.path))
            reader.Fail("the key must begin with HKLM\\ or HKCU\\");
        setup.missingKeys.push_back(missing);
        need(SetupNeed::Scratch);
    } else {
        return false;
    }
    reader.End();
    return true;
}

bool IsStepVerb(const std::string& verb)
{
    static constexpr std::array<std::string_view, 11> kVerbs{"press", "click", "key",      "pick",    "type", "close",
                                                             "menu",  "minimize", "restore", "dump", "expect"};
    return std::find(kVerbs.begin(), kVerbs.end(), verb) != kVerbs.end();
}

std::string WithoutComment(std::string_view line)
{
    char quote = 0;  // the quote that opened the text we are in
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '\\' && quote == '"') {
            ++i;
        } else if ((line[i] == '"' || line[i] == '\'') && (quote == 0 || quote == line[i])) {
            quote = quote == 0 ? line[i] : 0;
        } else if (line[i] == '#' && quote == 0) {
            line = line.substr(0, i);
            break;
        }
    }
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t' || line.back() == '\r'))
        line.remove_suffix(1);
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
        line.remove_prefix(1);
    return std::string(line);
}

}  // namespace

std::optional<std::string> FlowSetup::CheckFor(MachineChoice choice) const
{
    for (const Requirement& requirement : requirements) {
        const bool ok = requirement.need == SetupNeed::Any ||
                        (requirement.need == SetupNeed::Scratch && choice != MachineChoice::Found) ||
                        (requirement.need == SetupNeed::Fakes && choice == MachineChoice::Fakes);
        if (ok)
            continue;
        const std::string where = requirement.need == SetupNeed::Fakes ? "'machine fakes'" : "'machine temporary' or 'machine fakes'";
        return "line " + std::to_string(requirement.line) + ": '" + requirement.what + "' needs " + where +
               (requirement.need == SetupNeed::Fakes ? " (a host machine cannot hold it)"
                                                      : " (it would change the machine as found)");
    }
    return std::nullopt;
}

std::string FlowError::Describe(std::string_view scriptName) const
{
    return std::string(scriptName) + ":" + std::to_string(line) + ": " + message;
}

std::vector<std::string_view> CountableCalls()
{
    return {"GetDriverDirectory", "AddDriver", "CreatePrinter", "ClosePrinter",
            "ListPorts",          "ListMonitors", "AddPort",    "ConfigurePort"};
}

bool ParseFlowScript(std::string_view text, std::string name, FlowScript& script, FlowError& error)
{
    script = FlowScript{};
    script.name = std::move(name);
    std::istringstream lines{std::string(text)};
    std::string raw;
    int number = 0;
    std::vector<Token> tokens;
    while (std::getline(lines, raw)) {
        ++number;
        std::string tokenError;
        if (!Tokenize(raw, tokens, tokenError)) {
            error = {number, tokenError};
            return false;
        }
        if (tokens.empty())
            continue;
        LineReader reader(tokens);
        const std::string verb = reader.Word("an action");
        if (IsStepVerb(verb)) {
            FlowStep step;
            step.line = number;
            step.source = WithoutComment(raw);
            if (verb == "expect")
                ParseExpectation(reader, step);
            else
                ParseAction(verb, reader, step);
            if (reader.Failed()) {
                error = {number, reader.Error()};
                return false;
            }
            script.steps.push_back(std::move(step));
            continue;
        }
        if (!ParseSetup(verb, reader, number, script.setup)) {
            error = {number, "unknown action '" + verb + "'"};
            return false;
        }
        if (reader.Failed()) {
            error = {number, reader.Error()};
            return false;
        }
        if (!script.steps.empty()) {
            error = {number, "'" + verb + "' prepares the machine: it belongs before the first action or expectation"};
            return false;
        }
    }
    return true;
}

bool LoadFlowScript(const std::string& path, FlowScript& script, FlowError& error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = {0, "cannot read the script"};
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return ParseFlowScript(text.str(), path, script, error);
}

}  // namespace flows
