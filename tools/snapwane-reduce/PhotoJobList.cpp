#include "PhotoJobList.h"

#include <algorithm>
#include <locale>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

std::vector<fs::path> SortedEntries(const fs::path& folder, bool wantFolders)
{
    std::vector<fs::path> entries;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code typeError;
        const bool isFolder = it->is_directory(typeError);
        if (typeError)
            continue;
        if (wantFolders ? isFolder && !it->is_symlink(typeError)
                        : !isFolder && PhotoJobList::HasJpegExtension(it->path()))
            entries.push_back(it->path());
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}

// Subfolders reached through symbolic links are left out, so a link loop cannot run forever.
void CollectFolder(const fs::path& folder, bool recursive, std::vector<fs::path>& photos)
{
    for (const fs::path& photo : SortedEntries(folder, false))
        photos.push_back(photo);
    if (!recursive)
        return;
    for (const fs::path& subfolder : SortedEntries(folder, true))
        CollectFolder(subfolder, recursive, photos);
}

// Letter cases of the C.UTF-8 locale, when the system has it (ASCII only otherwise).
const std::ctype<wchar_t>* Utf8Letters()
{
    static const std::locale utf8 = [] {
        try {
            return std::locale("C.UTF-8");
        } catch (const std::runtime_error&) {
            return std::locale::classic();
        }
    }();
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

}  // namespace

std::vector<PhotoJob> PhotoJobList::Collect(const std::vector<std::string>& paths, bool recursive,
                                            const fs::path& outputFolder)
{
    std::vector<fs::path> photos;
    for (const std::string& path : paths) {
        std::error_code error;
        if (fs::is_directory(path, error))
            CollectFolder(path, recursive, photos);
        else
            photos.emplace_back(path);
    }
    std::vector<PhotoJob> jobs;
    jobs.reserve(photos.size());
    for (const fs::path& photo : photos) {
        const std::string name = photo.filename().string();
        jobs.push_back({photo, outputFolder / LowerCased(name), name});
    }
    return jobs;
}

bool PhotoJobList::HasJpegExtension(const fs::path& path)
{
    const std::string extension = LowerCased(path.extension().string());
    return extension == ".jpg" || extension == ".jpeg";
}

std::string PhotoJobList::LowerCased(std::string name)
{
    const std::ctype<wchar_t>* letters = Utf8Letters();
    std::string lowered;
    lowered.reserve(name.size());
    for (std::size_t i = 0; i < name.size();) {
        char32_t code = 0;
        const std::size_t length = DecodeUtf8(name, i, code);
        if (length == 0) {  // not UTF-8: the byte stays, ASCII letters lowered
            const char c = name[i++];
            lowered += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
            continue;
        }
        if (code < 0x80)
            code = code >= 'A' && code <= 'Z' ? code - 'A' + 'a' : code;
        else if (letters)
            code = static_cast<char32_t>(letters->tolower(static_cast<wchar_t>(code)));
        EncodeUtf8(code, lowered);
        i += length;
    }
    return lowered;
}
