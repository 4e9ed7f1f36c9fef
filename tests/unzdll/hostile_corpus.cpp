#include "hostile_corpus.h"

#include "unzdll_fixture.h"
#include "support/zip_writer.h"

#include <sys/stat.h>

namespace kst::test {
namespace {

using Case = HostileCase;

const Bytes kData = makeImage(5000, "DATA");

ZipEntry withDeclaredSize(ZipEntry entry, std::uint32_t size)
{
    entry.size = size;
    return entry;
}

std::string deepName(int depth)
{
    std::string name;
    for (int i = 0; i < depth; ++i)
        name += "d/";
    return name + "x.gba";
}

constexpr std::uint32_t Limit = 64u << 20;  // the largest member unpacked

// A deflated member of that many zeros, declaring what it holds or a lie.
ZipEntry zeros(std::string name, std::uint64_t size, std::uint32_t declared)
{
    ZipEntry entry;
    entry.name = std::move(name);
    entry.method = 8;
    entry.stored = deflatedZeros(size);
    entry.size = declared;
    return entry;
}

void raw(const fs::path& path, const std::vector<ZipEntry>& entries, const ZipLayout& layout = {})
{
    writeBytes(path, zipArchive(entries, layout).bytes);
}

// a.gba and b.gba, with a field of the central entry of one of them overwritten.
void damaged(const fs::path& path, int entry, std::size_t field, std::uint32_t value)
{
    LaidOutZip zip = zipArchive({deflatedEntry("a.gba", kData), deflatedEntry("b.gba", kData)}, {});
    zip.put32(zip.directoryStart + static_cast<std::size_t>(entry) * (46 + 5) + field, value);
    writeBytes(path, zip.bytes);
}


std::vector<ZipEntry> manyEntries(int count)
{
    std::vector<ZipEntry> entries;
    for (int i = 0; i < count; ++i)
        entries.push_back(storedEntry("f" + std::to_string(i) + ".gba", {static_cast<std::uint8_t>(i)}));
    return entries;
}

}  // namespace

const std::vector<HostileCase>& hostileCorpus()
{
    static const std::vector<HostileCase> corpus = {
            Case {"truncated",
                  [](const fs::path& path) {
                      Bytes bytes = zipArchive({deflatedEntry("a.gba", kData), deflatedEntry("b.gba", kData)});
                      bytes.resize(bytes.size() * 3 / 5);
                      writeBytes(path, bytes);
                  },
                  {"a.gba", "b.gba"}, 1, {}, {}, {Damaged, Damaged}, 0},
            Case {"empty_archive", [](const fs::path& path) { raw(path, {}); }, {"a.gba"}, 1, {}, {}, {}, 0},
            // Opening a FIFO for reading would wait for a writer that never comes.
            Case {"fifo_in_its_place", [](const fs::path& path) { ::mkfifo(path.c_str(), 0600); }, {"a.gba"}, 1, {},
                  {}, {Damaged}, 0},
            Case {"folder_in_its_place", [](const fs::path& path) { fs::create_directory(path); }, {"a.gba"}, 1, {}, {},
                  {Damaged}, 0},
            // Deflated data longer than declared: cut at the declared size.
            Case {"declared_too_small_kept",
                  [](const fs::path& path) { raw(path, {withDeclaredSize(deflatedEntry("a.gba", kData), 100)}); },
                  {"a.gba"}, 1, {"a.gba"}, {"a.gba"}, {}, 100},
            Case {"declared_too_small_refused",
                  [](const fs::path& path) { raw(path, {withDeclaredSize(deflatedEntry("a.gba", kData), 100)}); },
                  {"a.gba"}, 0, {}, {"a.gba"}, {BadData}, 0},
            Case {"stored_declared_too_small",
                  [](const fs::path& path) { raw(path, {withDeclaredSize(storedEntry("a.gba", kData), 100)}); },
                  {"a.gba"}, 1, {"a.gba"}, {"a.gba"}, {}, 100},
            Case {"declared_too_large",
                  [](const fs::path& path) { raw(path, {withDeclaredSize(deflatedEntry("a.gba", kData), 9000)}); },
                  {"a.gba"}, 0, {}, {"a.gba"}, {BadData}, 0},
            Case {"stored_declared_too_large",
                  [](const fs::path& path) { raw(path, {withDeclaredSize(storedEntry("a.gba", kData), 9000)}); },
                  {"a.gba"}, 0, {}, {"a.gba"}, {BadData}, 0},
            // 256 MiB of zeros behind a header that promises 4 KiB: the disk sees 4 KiB.
            Case {"inflates_to_256_MiB",
                  [](const fs::path& path) {
                      raw(path, {zeros("bomb.gba", 256u << 20, 4096), deflatedEntry("ok.gba", kData)});
                  },
                  {"bomb.gba", "ok.gba"}, 1, {"bomb.gba", "ok.gba"}, {"bomb.gba"}, {}, 4096},
            // 20 entries on the one member of 100 MiB: the archive is refused whole.
            Case {"twenty_entries_on_one_member",
                  [](const fs::path& path) { raw(path, sharedDataBomb(zeros("bomb.gba", 100u << 20, 100u << 20), 20)); },
                  {"0bomb.gba", "19bomb.gba"}, 1, {}, {}, {Damaged, Damaged}, 0},
            Case {"declares_more_than_the_limit",
                  [](const fs::path& path) {
                      raw(path, {zeros("big.gba", Limit + 1, Limit + 1), deflatedEntry("ok.gba", kData)});
                  },
                  {"big.gba", "ok.gba"}, 1, {"ok.gba"}, {}, {UNZ_SKIP_TOO_LARGE}, 5000},
            // Its checksum is left 0: kept after the question, at the full limit.
            Case {"declares_the_limit", [](const fs::path& path) { raw(path, {zeros("max.gba", Limit, Limit)}); },
                  {"max.gba"}, 1, {"max.gba"}, {"max.gba"}, {}, Limit},
            Case {"comment_of_65535_bytes",
                  [](const fs::path& path) {
                      raw(path, {deflatedEntry("a.gba", kData)}, {.prefix = {}, .comment = std::string(65535, 'c')});
                  },
                  {"a.gba"}, 1, {"a.gba"}, {}, {}, 5000},
            Case {"data_in_front",
                  [](const fs::path& path) { raw(path, {deflatedEntry("a.gba", kData)}, {.prefix = Bytes(4096, 0xCC)}); },
                  {"a.gba"}, 1, {"a.gba"}, {}, {}, 5000},
            Case {"comment_ending_in_a_record_whose_directory_does_not_read",
                  [](const fs::path& path) {
                      raw(path, {deflatedEntry("a.gba", kData)}, {.prefix = {}, .comment = fakeEndRecordComment()});
                  },
                  {"a.gba"}, 1, {"a.gba"}, {}, {}, 5000},
            Case {"local_header_beyond_the_file",
                  [](const fs::path& path) { damaged(path, 0, 42, 1000000); }, {"a.gba", "b.gba"}, 1, {"b.gba"}, {},
                  {UNZ_SKIP_OUTSIDE}, 5000},
            Case {"data_running_into_the_directory",
                  [](const fs::path& path) { damaged(path, 1, 20, 1000000); }, {"a.gba", "b.gba"}, 1, {"a.gba"}, {},
                  {UNZ_SKIP_OUTSIDE}, 5000},
            Case {"unknown_compression_method",
                  [](const fs::path& path) {
                      ZipEntry entry = storedEntry("a.gba", kData);
                      entry.method = 6;
                      raw(path, {entry, deflatedEntry("b.gba", kData)});
                  },
                  {"a.gba", "b.gba"}, 1, {"b.gba"}, {}, {UNZ_SKIP_METHOD}, 5000},
            Case {"bad_crc",
                  [](const fs::path& path) {
                      ZipEntry entry = deflatedEntry("a.gba", kData);
                      entry.crc ^= 1;
                      raw(path, {entry, deflatedEntry("b.gba", kData)});
                  },
                  {"a.gba", "b.gba"}, 0, {"b.gba"}, {"a.gba"}, {BadData}, 0},
            Case {"encrypted_without_password",
                  [](const fs::path& path) {
                      makeArchive(path, {{"a.gba", kData, ZIP_CM_DEFLATE, ZIP_EM_AES_256, "secret"}});
                  },
                  {"a.gba"}, 1, {}, {}, {UNZ_SKIP_ENCRYPTED}, 0},
            // The first of two equal names is the member; asking twice extracts it once.
            Case {"duplicate_names",
                  [](const fs::path& path) {
                      raw(path, {deflatedEntry("a.gba", kData), deflatedEntry("a.gba", makeImage(7000))});
                  },
                  {"a.gba", "a.gba"}, 1, {"a.gba"}, {}, {}, 5000},
            Case {"seventy_thousand_entries", [](const fs::path& path) { raw(path, manyEntries(70000)); },
                  {"f69999.gba", "f0.gba"}, 1, {"f0.gba", "f69999.gba"}, {}, {}, 1},
            // Refused before a single one of its 2,100 folders is made.
            Case {"too_deep_for_the_system",
                  [](const fs::path& path) { raw(path, {deflatedEntry(deepName(2100), kData)}); },
                  {deepName(2100)}, 1, {}, {}, {Name}, 0},
            Case {"name_too_long_for_the_system",
                  [](const fs::path& path) { raw(path, {deflatedEntry("sub/" + std::string(300, 'n'), kData)}); },
                  {"sub/" + std::string(300, 'n')}, 1, {}, {}, {Name}, 0},
    };
    return corpus;
}

}  // namespace kst::test
