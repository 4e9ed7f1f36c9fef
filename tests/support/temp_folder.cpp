#include "support/temp_folder.h"

#include <fstream>
#include <stdexcept>
#include <stdlib.h>

namespace kst::test {

TempFolder::TempFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "kestrom-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary folder");
    path_ = pattern;
}

TempFolder::~TempFolder()
{
    std::error_code ec;
    // Give write bits back so that read-only fixtures can be removed.
    for (auto it = std::filesystem::recursive_directory_iterator(path_, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
        std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

void writeBytes(const std::filesystem::path& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write fixture " + path.string());
}

Bytes readBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path.string());
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void makeReadOnly(const std::filesystem::path& path)
{
    using std::filesystem::perms;
    std::filesystem::permissions(path, perms::owner_write | perms::group_write | perms::others_write,
                                 std::filesystem::perm_options::remove);
}

Bytes makeImage(std::size_t size, const std::string& internalName, char countryLetter, const std::string& maker)
{
    Bytes image(size, 0);
    auto put = [&](std::size_t offset, std::uint8_t value) {
        if (offset < image.size())
            image[offset] = value;
    };
    // The standard entry branch: to 0xC0, just after the header.
    put(0, 0x2E);
    put(3, 0xEA);
    for (std::size_t i = 0; i < internalName.size() && i < 12; ++i)
        put(0xA0 + i, static_cast<std::uint8_t>(internalName[i]));
    put(0xAF, static_cast<std::uint8_t>(countryLetter));
    for (std::size_t i = 0; i < maker.size() && i < 2; ++i)
        put(0xB0 + i, static_cast<std::uint8_t>(maker[i]));
    put(0xB2, 0x96);
    // Some game data after the header, so that images are not all zero.
    for (std::size_t i = 0xC0; i < size; ++i)
        image[i] = static_cast<std::uint8_t>((i * 7 + 3) & 0xFF);
    return image;
}

}  // namespace kst::test
