// SPDX-License-Identifier: MIT
#include "core/FileNames.h"

#include <cstdio>
#include <cwchar>
#include <locale>
#include <stdexcept>

namespace snapwane {
namespace {

// A UTF-8 locale of the system's that does not depend on the user's language.
std::locale Utf8Locale()
{
    for (const char* name : {"C.UTF-8", "C.utf8", ".UTF-8"}) {
        try {
            return std::locale(name);
        } catch (const std::runtime_error&) {
        }
    }
    return std::locale::classic();
}

// Letter cases of that locale, when the system has one (ASCII only otherwise).
const std::ctype<wchar_t>* Utf8Letters()
{
    static const std::locale utf8 = Utf8Locale();
    static const bool known = utf8 != std::locale::classic();
    return known ? &std::use_facet<std::ctype<wchar_t>>(utf8) : nullptr;
}

// The length of the well-formed UTF-8 sequence at `at` (its code point in `code`), or 0.
std::size_t DecodeUtf8(const std::string& text, std::size_t at, char32_t& code)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 && lead < 0xF5 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || at + length > text.size())
        return 0;
    code = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (byte(at + i) & 0x3F);
    }
    const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

void EncodeUtf8(char32_t code, std::string& out)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

char32_t LowerCased(char32_t code)
{
    if (code < 0x80)
        return code >= 'A' && code <= 'Z' ? code - 'A' + 'a' : code;
    const std::ctype<wchar_t>* letters = Utf8Letters();
    if (!letters || code > char32_t(WCHAR_MAX))
        return code;
    const char32_t lowered = static_cast<char32_t>(letters->tolower(static_cast<wchar_t>(code)));
    return lowered > 0 && lowered <= 0x10FFFF ? lowered : code;
}

void AppendEscaped(unsigned value, const char* format, std::string& out)
{
    char text[8];
    std::snprintf(text, sizeof text, format, value);
    out += text;
}

} // namespace

std::string LowerCasedName(const std::string& name)
{
    std::string lowered;
    lowered.reserve(name.size());
    for (std::size_t i = 0; i < name.size();) {
        char32_t code = 0;
        const std::size_t length = DecodeUtf8(name, i, code);
        if (length == 0) { // not UTF-8: the byte stays, ASCII letters lowered
            const char c = name[i++];
            lowered += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
            continue;
        }
        EncodeUtf8(LowerCased(code), lowered);
        i += length;
    }
    return lowered;
}

bool IsValidUtf8(const std::string& text)
{
    for (std::size_t i = 0; i < text.size();) {
        char32_t code = 0;
        const std::size_t length = DecodeUtf8(text, i, code);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

std::string PrintableName(const std::string& name)
{
    std::string printable;
    printable.reserve(name.size());
    for (std::size_t i = 0; i < name.size();) {
        char32_t code = 0;
        const std::size_t length = DecodeUtf8(name, i, code);
        if (length == 0) {
            AppendEscaped(static_cast<unsigned char>(name[i++]), "\\x%02x", printable);
            continue;
        }
        switch (code) {
        case 0x1B: printable += "\\e"; break;
        case '\t': printable += "\\t"; break;
        case '\n': printable += "\\n"; break;
        case '\r': printable += "\\r"; break;
        case '\\': printable += "\\\\"; break;
        default:
            if (code < 0x20 || code == 0x7F)
                AppendEscaped(unsigned(code), "\\x%02x", printable);
            else if (code >= 0x80 && code <= 0x9F)
                AppendEscaped(unsigned(code), "\\u%04x", printable);
            else
                printable.append(name, i, length);
        }
        i += length;
    }
    return printable;
}

} // namespace snapwane
