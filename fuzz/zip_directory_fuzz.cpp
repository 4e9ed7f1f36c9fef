// libFuzzer target: the archive component's directory reader and member-name
// decoding on arbitrary bytes. The first input byte picks how the names are
// decoded and what the archive's volume looks like (a removable disk of a set,
// and how many prompts the user answers with OK); the rest is the archive,
// read from a memory file through the same path a real archive takes.
//
// Besides the sanitizers' findings, a name that is not UTF-8 or that holds a
// "\" counts as a finding.

#include "archive/tzip.h"
#include "archive/zip_ui.h"
#include "platform/platform.h"
#include "zipformat/member_name.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

namespace {

class FuzzPlatform : public kst::PosixPlatform {
public:
    std::optional<kst::Volume> volumeOf(const std::filesystem::path&) const override { return volume; }
    std::optional<kst::Volume> volume;
};

// Answers disk prompts with OK a few times, then Cancel; everything else is ignored.
class FuzzUi : public kst::WindowlessZipUi {
public:
    int okAnswers = 0;
    bool insertDisk(int) override { return okAnswers-- > 0; }
    bool lastDisk(int) override { return okAnswers-- > 0; }
    std::string password(const std::string&) override { return {}; }
    Answer crcError(const std::string&) override { return Answer::Cancel; }
    Answer overwrite(const std::string&, bool) override { return Answer::Cancel; }
    void multiDiskNotice() override {}
    void missingFolderNotice(const std::string&) override {}
    void processEvents() override {}
};

void require(bool condition)
{
    if (!condition)
        std::abort();
}

struct Harness {
    FuzzPlatform* platform;
    int file;
    std::string path;

    Harness()
    {
        auto installed = std::make_unique<FuzzPlatform>();
        platform = installed.get();
        kst::installPlatform(std::move(installed));
        file = ::memfd_create("archive.zip", MFD_CLOEXEC);
        require(file >= 0);
        path = "/proc/self/fd/" + std::to_string(file);
    }
};

Harness& harness()
{
    static Harness h;
    return h;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::uint8_t mode = data[0];
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);

    const std::string text = kst::decodeMemberText(bytes, (mode & 1) ? kst::ZipFlagUtf8 : 0, mode & 2);
    require(kst::isValidUtf8(text));

    Harness& h = harness();
    require(::ftruncate(h.file, 0) == 0);
    require(::pwrite(h.file, bytes.data(), bytes.size(), 0) == static_cast<ssize_t>(bytes.size()));
    if (mode & 4)
        h.platform->volume = kst::Volume{true, "PKBACK# 00" + std::to_string(1 + (mode >> 6))};
    else if (mode & 8)
        h.platform->volume.reset();
    else
        h.platform->volume = kst::Volume{};

    FuzzUi ui;
    ui.okAnswers = (mode >> 4) & 3;
    kst::TZip zip;
    zip.setUi(&ui);
    try {
        zip.setArchiveName(h.path);
    } catch (const kst::ZipException&) {
        require(zip.Count() == 0);
    }
    for (int i = 0; i < zip.Count(); ++i) {
        kst::TFileInfo entry = zip.GetEntry(i);
        require(kst::isValidUtf8(entry.name) && kst::isValidUtf8(entry.comment));
        require(entry.name.find('\\') == std::string::npos);
        require(entry.header[0] == 'P' && entry.header[1] == 'K' && entry.header[2] == 1 && entry.header[3] == 2);
    }
    return 0;
}
