// SPDX-License-Identifier: MIT
#include "TestSupport.h"

#include "core/JpegCodec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <random>

namespace snapwane::test {
namespace fs = std::filesystem;

PixelBuffer MakeBuffer(int width, int height, int channels, std::initializer_list<int> bytes)
{
    PixelBuffer buffer = PixelBuffer::Allocate(width, height, channels);
    EXPECT_EQ(buffer.size(), bytes.size());
    std::size_t i = 0;
    for (int value : bytes)
        if (i < buffer.size())
            buffer.data()[i++] = static_cast<std::uint8_t>(value);
    return buffer;
}

static std::size_t FrameOffset(const std::vector<std::uint8_t>& jpeg)
{
    for (std::size_t i = 2; i + 9 < jpeg.size(); ++i)
        if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0)
            return i;
    ADD_FAILURE() << "no baseline frame header";
    return 0;
}

std::vector<std::uint8_t> WithFrameSize(std::vector<std::uint8_t> jpeg, int width, int height)
{
    const std::size_t at = FrameOffset(jpeg);
    if (at == 0)
        return jpeg;
    jpeg[at + 5] = std::uint8_t(height >> 8);
    jpeg[at + 6] = std::uint8_t(height);
    jpeg[at + 7] = std::uint8_t(width >> 8);
    jpeg[at + 8] = std::uint8_t(width);
    return jpeg;
}

std::vector<std::uint8_t> WithoutSegments(const std::vector<std::uint8_t>& jpeg, std::uint8_t marker)
{
    std::vector<std::uint8_t> kept(jpeg.begin(), jpeg.begin() + 2); // start of image
    std::size_t at = 2;
    while (at + 4 <= jpeg.size() && jpeg[at] == 0xFF && jpeg[at + 1] != 0xDA) {
        const std::size_t end = at + 2 + (std::size_t(jpeg[at + 2]) << 8 | jpeg[at + 3]);
        if (jpeg[at + 1] != marker)
            kept.insert(kept.end(), jpeg.begin() + std::ptrdiff_t(at), jpeg.begin() + std::ptrdiff_t(end));
        at = end;
    }
    kept.insert(kept.end(), jpeg.begin() + std::ptrdiff_t(std::min(at, jpeg.size())), jpeg.end());
    return kept;
}

std::vector<std::uint8_t> FrameHeader(const std::vector<std::uint8_t>& jpeg)
{
    const std::size_t at = FrameOffset(jpeg);
    if (at == 0)
        return {};
    const std::size_t length = std::size_t(jpeg[at + 2]) << 8 | jpeg[at + 3];
    return {jpeg.begin() + std::ptrdiff_t(at + 4), jpeg.begin() + std::ptrdiff_t(at + 2 + length)};
}

fs::path DataFile(const std::string& name)
{
    return fs::path(SNAPWANE_TEST_DATA_DIR) / name;
}

std::vector<std::uint8_t> ReadBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    ASSERT_TRUE(out.good()) << path;
}

std::vector<std::string> FolderEntries(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TempFolder::TempFolder()
{
    std::random_device entropy;
    m_path = fs::temp_directory_path() / ("snapwane-core-test-" + std::to_string(entropy()));
    fs::create_directories(m_path);
}

TempFolder::~TempFolder()
{
    std::error_code error;
    for (const auto& entry : fs::recursive_directory_iterator(m_path, error))
        fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, error);
    fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, error);
    fs::remove_all(m_path, error);
}

} // namespace snapwane::test
