#include "romops/internal_name.h"

#include "core/latin1.h"
#include "platform/files.h"
#include "romops/image_file.h"

#include <algorithm>

namespace kst {
namespace {

// The bytes of the first n characters of a UTF-8 text.
std::string_view firstCharacters(std::string_view utf8, std::size_t n)
{
    std::size_t seen = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80 && seen++ == n)
            return utf8.substr(0, i);
    }
    return utf8;
}

constexpr std::size_t NameEnd = header::InternalNameOffset + header::InternalNameLength;

}  // namespace

std::optional<InternalNameField> internalNameField(std::string_view utf8, std::string* refused)
{
    std::optional<std::string> bytes = utf8ToLatin1(firstCharacters(utf8, header::InternalNameLength), refused);
    if (!bytes)
        return std::nullopt;
    InternalNameField field{};
    std::copy(bytes->begin(), bytes->end(), field.begin());
    return field;
}

bool renameImage(std::vector<std::uint8_t>& image, const InternalNameField& field)
{
    if (image.size() < NameEnd)
        return false;
    const bool holdsComplement = image.size() > header::ComplementOffset;
    const bool complementWasRight = holdsComplement && image[header::ComplementOffset] == headerComplement(image);
    std::copy(field.begin(), field.end(), image.begin() + header::InternalNameOffset);
    if (complementWasRight)
        image[header::ComplementOffset] = headerComplement(image);
    return true;
}

RenameOutcome renameImageFile(const std::filesystem::path& path, const InternalNameField& field)
{
    RomFile file(path);
    std::vector<std::uint8_t> image = ops::readImage(file, {});
    file.close();
    if (!renameImage(image, field))
        return RenameOutcome::TooShort;
    writeFileAtomically(path, image);
    return RenameOutcome::Renamed;
}

}  // namespace kst
