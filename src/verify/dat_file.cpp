#include "verify/dat_file.h"

#include "core/texts.h"
#include "platform/files.h"

#include <expat.h>

#include <charconv>
#include <cstring>
#include <memory>

namespace kst::verify {
namespace {

struct ParserFree {
    void operator()(XML_ParserStruct* parser) const { XML_ParserFree(parser); }
};

std::optional<std::string_view> attribute(const XML_Char** attributes, std::string_view name)
{
    for (const XML_Char** a = attributes; *a; a += 2)
        if (name == a[0])
            return std::string_view(a[1]);
    return std::nullopt;
}

template <std::size_t N>
bool parseHex(std::string_view text, std::array<std::uint8_t, N>& into)
{
    if (text.size() != 2 * N)
        return false;
    for (std::size_t i = 0; i < N; ++i) {
        const char* first = text.data() + 2 * i;
        if (std::from_chars(first, first + 2, into[i], 16).ptr != first + 2)
            return false;
    }
    return true;
}

// Collects the entries while expat walks the file; the first problem stops it.
class DatReader {
public:
    explicit DatReader(std::string name) : name_(std::move(name)), parser_(XML_ParserCreate(nullptr))
    {
        if (!parser_)
            throw std::bad_alloc();
        XML_SetUserData(parser_.get(), this);
        XML_SetElementHandler(parser_.get(), &DatReader::start, &DatReader::end);
    }

    void feed(const char* bytes, std::size_t size, bool last)
    {
        if (XML_Parse(parser_.get(), bytes, static_cast<int>(size), last) != XML_STATUS_OK) {
            if (problem_.empty())
                problem_ = at(XML_ErrorString(XML_GetErrorCode(parser_.get())));
            throw DatError(problem_);
        }
        if (last && !sawDatafile_)
            throw DatError(format(tr(texts::DatNotDatafile), {name_}));
    }

    DatFile take() { return std::move(dat_); }

private:
    std::string at(std::string_view reason) const
    {
        const auto line = std::to_string(XML_GetCurrentLineNumber(parser_.get()));
        return format(tr(texts::DatProblem), {name_, line, reason});
    }

    void stop(std::string problem)
    {
        problem_ = std::move(problem);
        XML_StopParser(parser_.get(), XML_FALSE);
    }

    void badValue(std::string_view field, std::string_view value)
    {
        stop(at(format(tr(texts::DatBadValue), {field, value})));
    }

    void startElement(std::string_view element, const XML_Char** attributes)
    {
        ++depth_;
        if (depth_ == 1) {
            if (element != "datafile")
                return stop(format(tr(texts::DatNotDatafile), {name_}));
            sawDatafile_ = true;
        } else if (depth_ == 2 && (element == "game" || element == "machine")) {
            game_ = std::string(attribute(attributes, "name").value_or(""));
            gameListed_ = false;
        } else if (depth_ == 3 && element == "rom") {
            addRom(attributes);
        }
    }

    void addRom(const XML_Char** attributes)
    {
        const auto size = attribute(attributes, "size");
        if (!size || attribute(attributes, "status") == "nodump")
            return;
        DatRom rom;
        rom.name = attribute(attributes, "name").value_or("");
        if (std::from_chars(size->data(), size->data() + size->size(), rom.size).ptr != size->data() + size->size() ||
            size->empty())
            return badValue("size", *size);
        if (const auto crc = attribute(attributes, "crc")) {
            std::uint32_t value = 0;
            if (crc->size() != 8 || std::from_chars(crc->data(), crc->data() + 8, value, 16).ptr != crc->data() + 8)
                return badValue("crc", *crc);
            rom.crc = value;
        }
        if (const auto md5 = attribute(attributes, "md5")) {
            if (!parseHex(*md5, rom.md5.emplace()))
                return badValue("md5", *md5);
        }
        if (const auto sha1 = attribute(attributes, "sha1")) {
            if (!parseHex(*sha1, rom.sha1.emplace()))
                return badValue("sha1", *sha1);
        }
        if (!gameListed_) {
            dat_.games.push_back(game_);
            gameListed_ = true;
        }
        rom.game = static_cast<std::uint32_t>(dat_.games.size() - 1);
        dat_.roms.push_back(std::move(rom));
    }

    static void XMLCALL start(void* self, const XML_Char* element, const XML_Char** attributes)
    {
        static_cast<DatReader*>(self)->startElement(element, attributes);
    }
    static void XMLCALL end(void* self, const XML_Char*) { --static_cast<DatReader*>(self)->depth_; }

    std::string name_;
    std::unique_ptr<XML_ParserStruct, ParserFree> parser_;
    DatFile dat_;
    std::string game_;
    bool gameListed_ = false;
    std::string problem_;
    int depth_ = 0;
    bool sawDatafile_ = false;
};

}  // namespace

DatFile readDat(const std::filesystem::path& path)
{
    DatReader reader(path.string());
    try {
        RomFile file(path, RomFile::Access::ReadOnly);
        std::vector<char> block(256 * 1024);
        for (;;) {
            const std::size_t got = file.read(reinterpret_cast<std::uint8_t*>(block.data()), block.size());
            reader.feed(block.data(), got, got == 0);
            if (got == 0)
                break;
        }
    } catch (const FileError& error) {
        throw DatError(error.what());
    }
    return reader.take();
}

DatFile parseDat(std::string_view xml)
{
    DatReader reader("DAT");
    reader.feed(xml.data(), xml.size(), true);
    return reader.take();
}

}  // namespace kst::verify
