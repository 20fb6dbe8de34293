#pragma once

#include <string>
#include <string_view>
#include <vector>

// The words of one flow-script line.
//
//   press "&Next >"          a word, then a text in quotes
//   port 280 "LPT1:"         numbers are words too
//   ports "A"*65536 null     a text may repeat (*N); `null` stands for a missing text
//   type "a\tb\x01"          escapes: \\ \" \n \r \t \xHH
//   'HKLM\SOFTWARE\...'      single quotes: taken as written, no escapes
//
// A '#' outside quotes starts a comment.
namespace flows {

struct Token {
    enum class Kind { Word, Text, Null };
    Kind kind = Kind::Word;
    std::string text;

    bool IsWord(std::string_view word) const { return kind == Kind::Word && text == word; }
};

// The longest text a repeat may build: enough for names of 64 KiB and more.
inline constexpr std::size_t kMaxTextLength = 1 << 20;

// False, with the reason in `error`, for an unterminated text, a bad escape or repeat.
bool Tokenize(std::string_view line, std::vector<Token>& tokens, std::string& error);

// A text as a script would write it, for transcripts: quoted, escaped, and shortened
// to its first and last characters when it is long.
std::string Quote(std::string_view text);

// "&Next >" -> "Next >", "&&" -> "&": a caption as the screen matches it.
std::string WithoutMnemonics(std::string_view caption);

}  // namespace flows
