#include "archive/archive_test_support.h"

namespace kst::test {

ZipEntry member(std::string name, const std::string& data, std::uint8_t host, std::uint16_t flags)
{
    ZipEntry entry = storedEntry(std::move(name), Bytes(data.begin(), data.end()));
    entry.host = host;
    entry.flags = flags;
    return entry;
}

Listing listArchive(TZip& zip, const std::filesystem::path& path)
{
    Listing listing;
    try {
        zip.setArchiveName(path.string());
    } catch (const ZipException& e) {
        listing.error = e.what();
    }
    for (int i = 0; i < zip.Count(); ++i)
        listing.names.push_back(zip.GetEntry(i).name);
    return listing;
}

std::string notValidMessage(const std::filesystem::path& path)
{
    return "\"" + path.string() + "\"\nis not a valid Zip file.";
}

}  // namespace kst::test
