// The flow-script format: the words of a line, what each line means, and the errors
// that name the line.
#include "flows/FlowScript.h"
#include "flows/FlowTokens.h"

#include <gtest/gtest.h>

namespace {

using namespace flows;

FlowScript Parse(std::string_view text)
{
    FlowScript script;
    FlowError error;
    EXPECT_TRUE(ParseFlowScript(text, "t.flow", script, error)) << error.Describe("t.flow");
    return script;
}

TEST(FlowTokens, TextsKeepTheirEscapesRepeatsAndHashes)
{
    std::vector<Token> tokens;
    std::string error;
    ASSERT_TRUE(Tokenize(R"(type "a\tb\x01\"#\\" null "ab"*3 word # comment "x")", tokens, error)) << error;
    ASSERT_EQ(tokens.size(), 5u);
    EXPECT_TRUE(tokens[0].IsWord("type"));
    EXPECT_EQ(tokens[1].kind, Token::Kind::Text);
    EXPECT_EQ(tokens[1].text, "a\tb\x01\"#\\");
    EXPECT_EQ(tokens[2].kind, Token::Kind::Null);
    EXPECT_EQ(tokens[3].text, "ababab");
    EXPECT_TRUE(tokens[4].IsWord("word"));

    ASSERT_TRUE(Tokenize(R"("A"*65536)", tokens, error));
    EXPECT_EQ(tokens[0].text, std::string(65536, 'A'));

    // Single quotes take a Windows path as written, '#' and '"' included.
    ASSERT_TRUE(Tokenize(R"(x 'HKLM\SOFTWARE\x0\n"#' 'ab'*2)", tokens, error)) << error;
    ASSERT_EQ(tokens.size(), 3u);
    EXPECT_EQ(tokens[1].text, R"(HKLM\SOFTWARE\x0\n"#)");
    EXPECT_EQ(tokens[2].text, "abab");
}

TEST(FlowTokens, MalformedTextsAreRefused)
{
    const std::pair<const char*, const char*> cases[] = {
        {R"(type "open)", "not closed"},
        {R"(type "\q")", "unknown escape"},
        {R"(type "\x4")", "two hex digits"},
        {R"(type "\x00")", "not 00"},
        {R"(type "a"*)", "needs a count"},
        {R"(type "a"*0)", "1 to"},
        {R"(type "a"*2000000)", "1 to"},
        {R"(type "a"b)", "followed by a space"},
        {R"(type 'open)", "not closed with '"},
    };
    for (const auto& [line, why] : cases) {
        std::vector<Token> tokens;
        std::string error;
        EXPECT_FALSE(Tokenize(line, tokens, error)) << line;
        EXPECT_NE(error.find(why), std::string::npos) << line << " -> " << error;
    }
}

TEST(FlowTokens, QuotedTextsAreShortAndPrintable)
{
    EXPECT_EQ(Quote("a\tb\"c"), R"("a\tb\"c")");
    const std::string quoted = Quote(std::string(65536, 'A'));
    EXPECT_LT(quoted.size(), 400u);
    EXPECT_NE(quoted.find("65536 bytes"), std::string::npos);
    // A cut never splits a UTF-8 character.
    std::string chinese;
    for (int i = 0; i < 200; ++i)
        chinese += "端口";
    const std::string shown = Quote(chinese);
    EXPECT_NE(shown.find("端口"), std::string::npos);
    EXPECT_EQ(shown.find("\xe7\x20"), std::string::npos);
}

TEST(FlowScriptFormat, ActionsBecomeTheEventsAPersonMakes)
{
    const FlowScript script = Parse(R"(
# comments and blank lines are skipped
press 1009
press "&Next >"     # by caption
key Alt+n
key shift+TAB
pick -1 in 1021
type "COM5:"
close
menu 16
expect item 1021 3 "LPT1:" "Local Port"
expect selected 1021 none
expect value 'HKLM\SOFTWARE\Microsoft\Windows NT\CurrentVersion\Ports' "COM1:" "9600,n,8,1"
expect value 'HKCU\Software\Microsoft\Windows NT\CurrentVersion\Windows' "Device" none
expect progress 1025 10 20
expect calls ConfigurePort 0
expect printer "Receipt" on "LPT1:"
)");
    ASSERT_EQ(script.steps.size(), 15u);
    EXPECT_EQ(script.steps[0].line, 3);
    EXPECT_EQ(std::get<afx::host::PressControl>(*script.steps[0].event).id, 1009);
    EXPECT_EQ(script.steps[1].op, Op::PressCaption);
    EXPECT_EQ(*script.steps[1].text, "&Next >");
    EXPECT_EQ(script.steps[1].source, R"(press "&Next >")");
    EXPECT_EQ(std::get<afx::host::AltLetter>(*script.steps[2].event).letter, 'N');
    EXPECT_EQ(std::get<afx::host::KeyPress>(*script.steps[3].event).key, afx::host::Key::ShiftTab);
    const auto row = std::get<afx::host::ClickRow>(*script.steps[4].event);
    EXPECT_EQ(row.id, 1021);
    EXPECT_EQ(row.row, -1);
    EXPECT_EQ(std::get<afx::host::TypeText>(*script.steps[5].event).text, "COM5:");
    EXPECT_TRUE(std::holds_alternative<afx::host::ClickCloseBox>(*script.steps[6].event));
    EXPECT_EQ(std::get<afx::host::ChooseMenuItem>(*script.steps[7].event).id, 16u);
    EXPECT_EQ(script.steps[8].texts, std::vector<std::string>{"Local Port"});
    EXPECT_TRUE(script.steps[9].none);
    EXPECT_EQ(script.steps[10].root, platform::RootKey::LocalMachine);
    EXPECT_EQ(script.steps[10].texts[0], "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Ports");
    EXPECT_EQ(*script.steps[10].text, "9600,n,8,1");
    EXPECT_EQ(script.steps[11].root, platform::RootKey::CurrentUser);
    EXPECT_TRUE(script.steps[11].none);
    EXPECT_EQ(script.steps[12].positions, (std::vector<int>{10, 20}));
    EXPECT_EQ(script.steps[14].texts, std::vector<std::string>{"LPT1:"});
}

TEST(FlowScriptFormat, TheHeaderPreparesTheMachine)
{
    const FlowScript script = Parse(R"(
machine fakes
windows 98
ports 300
port 280 "LPT1:"
port 300 null "no name"
monitors "Local Port" null "Other"
fail set "Device"
missing key 'HKCU\Software\Microsoft\Windows NT\CurrentVersion\Windows'
expect window "Select OS"
)");
    const FlowSetup& setup = script.setup;
    EXPECT_EQ(setup.machine, MachineChoice::Fakes);
    EXPECT_EQ(setup.windows, machine::WindowsVersion::Windows98);
    ASSERT_EQ(setup.ports->size(), 301u);
    EXPECT_EQ(*(*setup.ports)[0].name, "P0:");
    EXPECT_EQ(*(*setup.ports)[280].name, "LPT1:");
    EXPECT_FALSE((*setup.ports)[300].name);
    EXPECT_EQ((*setup.ports)[300].description, "no name");
    ASSERT_EQ(setup.monitors->size(), 3u);
    EXPECT_FALSE((*setup.monitors)[1]);
    EXPECT_EQ(setup.failingValues, std::vector<std::string>{"Device"});
    ASSERT_EQ(setup.missingKeys.size(), 1u);
    EXPECT_EQ(setup.missingKeys[0].root, platform::RootKey::CurrentUser);
}

// Which machine can honour which header line, and the line that cannot be.
TEST(FlowScriptFormat, HeaderLinesNameTheMachinesTheyNeed)
{
    struct Case {
        const char* header;
        MachineChoice choice;
        const char* problem;  // null: fine
    };
    const Case cases[] = {
        {"fail set \"Device\"\n", MachineChoice::Found, nullptr},
        {"windows xp\n", MachineChoice::Found, "line 1: 'windows' needs 'machine temporary' or 'machine fakes'"},
        {"windows xp\n", MachineChoice::Temporary, nullptr},
        {"\nports \"COM1:\" \"LPT1:\"\n", MachineChoice::Temporary, nullptr},
        {"\nports \"COM1:\" null\n", MachineChoice::Temporary, "line 2: 'ports' needs 'machine fakes'"},
        {"port 0 \"X:\" \"desc\"\n", MachineChoice::Temporary, "line 1: 'port' needs 'machine fakes'"},
        {"monitors\n", MachineChoice::Fakes, nullptr},
        {"monitors\n", MachineChoice::Temporary, "line 1: 'monitors' needs 'machine fakes'"},
        {"missing key \'HKLM\\SOFTWARE\\X\'\n", MachineChoice::Found, "line 1: 'missing' needs"},
    };
    for (const Case& c : cases) {
        const FlowScript script = Parse(c.header);
        const std::optional<std::string> problem = script.setup.CheckFor(c.choice);
        if (c.problem == nullptr)
            EXPECT_FALSE(problem) << c.header << *problem;
        else
            EXPECT_TRUE(problem && problem->starts_with(c.problem)) << c.header << problem.value_or("none");
    }
}

TEST(FlowScriptFormat, ErrorsNameTheLineAndSayWhy)
{
    const std::tuple<const char*, int, const char*> cases[] = {
        {"press 1009\nprss 1009\n", 2, "unknown action 'prss'"},
        {"press\n", 1, "expected a control id"},
        {"press 99999\n", 1, "from 0 to 65535"},
        {"key Ctrl+C\n", 1, "unknown key 'Ctrl+C'"},
        {"pick 1 of 1011\n", 1, "expected 'in'"},
        {"pick -2 in 1011\n", 1, "from -1"},
        {"type COM5\n", 1, "in quotes"},
        {"close now\n", 1, "unexpected 'now'"},
        {"expect\n", 1, "expected what to expect"},
        {"expect colour 1009\n", 1, "unknown expectation 'colour'"},
        {"expect selected 1011 first\n", 1, "as a number"},
        {"expect calls Print 1\n", 1, "unknown call 'Print'"},
        {"expect value \'HKCR\\x\' \"a\" none\n", 1, "HKLM"},
        {"expect window \"Select OS\nexpect ended\n", 1, "not closed"},
        {"machine virtual\n", 1, "'temporary' or 'fakes'"},
        {"windows 3.11\n", 1, "unknown Windows version"},
        {"port 5 \"X:\"\n", 1, "comes after the 0 ports"},
        {"expect ended\nwindows xp\n", 2, "belongs before the first action"},
    };
    for (const auto& [text, line, why] : cases) {
        FlowScript script;
        FlowError error;
        EXPECT_FALSE(ParseFlowScript(text, "t.flow", script, error)) << text;
        EXPECT_EQ(error.line, line) << text;
        EXPECT_NE(error.message.find(why), std::string::npos) << text << " -> " << error.message;
        EXPECT_EQ(error.Describe("t.flow").rfind("t.flow:" + std::to_string(line) + ": ", 0), 0u);
    }
}

}  // namespace
