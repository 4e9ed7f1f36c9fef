#include "archive/archive_test_support.h"

#include <cstdlib>
#include <fstream>

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

bool infoZipArchive(const std::filesystem::path& archive, bool stored)
{
    const std::filesystem::path tree = archive.parent_path() / (archive.stem().string() + " tree");
    for (const char* file : {"x.gba", "readme.txt", "sub/y.GBA", "sub/deeper/z.gba", "caf\xC3\xA9.gba"}) {
        std::filesystem::create_directories((tree / file).parent_path());
        std::ofstream(tree / file) << "content of " << file;
    }
    const std::string command = stored ? "echo 'a comment' | zip -q -0 -r -z '" : "zip -q -r '";
    return std::system(("cd '" + tree.string() + "' && " + command + archive.string() + "' .").c_str()) == 0;
}

bool pythonArchive(const std::filesystem::path& archive)
{
    const std::filesystem::path script = archive.parent_path() / "make.py";
    std::ofstream(script) << "import sys, zipfile\n"
                             "with zipfile.ZipFile(sys.argv[1], 'w', zipfile.ZIP_DEFLATED) as z:\n"
                             "    z.comment = b'made by python ' + bytes(200)\n"
                             "    z.writestr('a.gba', b'\\xff' * 5000)\n"
                             "    z.writestr('ordner/\\u00fcber.gba', b'x')\n"
                             "    z.writestr('win\\\\back.gba', b'y')\n"
                             "    z.writestr('empty/', b'')\n"
                             "    with z.open('big.gba', 'w', force_zip64=True) as f:\n"
                             "        f.write(b'z' * 100)\n";
    return std::system(("python3 '" + script.string() + "' '" + archive.string() + "'").c_str()) == 0;
}

std::string notValidMessage(const std::filesystem::path& path)
{
    return "\"" + path.string() + "\"\nis not a valid Zip file.";
}

}  // namespace kst::test
