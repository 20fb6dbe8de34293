#include "tools/vornexctl/Escaping.h"

#include "tools/vornexctl/Utf8.h"

#include <cstdio>

namespace vornexctl {

namespace {

void AppendByteEscape(std::string& out, unsigned char byte)
{
    char text[5];
    std::snprintf(text, sizeof text, "\\x%02x", byte);
    out += text;
}

}  // namespace

std::string EscapeField(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    while (!bytes.empty()) {
        char32_t codePoint = 0;
        std::size_t length = DecodeUtf8(bytes, codePoint);
        if (length == 0) {
            AppendByteEscape(out, static_cast<unsigned char>(bytes[0]));
            length = 1;
        } else if (codePoint == U'\t') {
            out += "\\t";
        } else if (codePoint == U'\n') {
            out += "\\n";
        } else if (codePoint == U'\r') {
            out += "\\r";
        } else if (IsControl(codePoint)) {
            for (std::size_t i = 0; i < length; ++i)
                AppendByteEscape(out, static_cast<unsigned char>(bytes[i]));
        } else {
            out.append(bytes.substr(0, length));
        }
        bytes.remove_prefix(length);
    }
    return out;
}

std::string EscapeLines(std::string_view text)
{
    std::string out;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        out += EscapeField(text.substr(0, end));
        out += '\n';
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return out;
}

}  // namespace vornexctl
