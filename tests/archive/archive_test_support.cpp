#include "archive/archive_test_support.h"

namespace kst::test {

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
