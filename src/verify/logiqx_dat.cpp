#include "verify/logiqx_dat.h"

#include "core/texts.h"

#include <expat.h>

#include <memory>

namespace kst::verify {
namespace {

struct ParserFree {
    void operator()(XML_ParserStruct* parser) const { XML_ParserFree(parser); }
};

bool isGameElement(std::string_view element)
{
    return element == "game" || element == "machine" || element == "resource";
}

// Collects the entries while expat walks the file; the first problem stops it.
class LogiqxReader {
public:
    LogiqxReader(std::string_view datName, const DatLimits& limits)
        : datName_(datName), parser_(XML_ParserCreate(nullptr)), entries_(limits)
    {
        if (!parser_)
            throw std::bad_alloc();
        XML_SetUserData(parser_.get(), this);
        XML_SetElementHandler(parser_.get(), &LogiqxReader::start, &LogiqxReader::end);
    }

    void feed(std::string_view bytes, bool last)
    {
        if (XML_Parse(parser_.get(), bytes.data(), static_cast<int>(bytes.size()), last) != XML_STATUS_OK) {
            if (problem_.empty())
                problem_ = at(XML_ErrorString(XML_GetErrorCode(parser_.get()))).what();
            throw DatError(problem_);
        }
        if (last && !sawDatafile_)
            throw DatError(format(tr(texts::DatNotDatafile), {datName_}));
    }

    DatFile take() { return entries_.take(); }

private:
    DatError at(std::string_view reason) const
    {
        return datProblem(datName_, XML_GetCurrentLineNumber(parser_.get()), reason);
    }

    void stop(std::string problem)
    {
        problem_ = std::move(problem);
        XML_StopParser(parser_.get(), XML_FALSE);
    }

    void check(const DatEntries::Problem& problem)
    {
        if (problem && problem_.empty())
            stop(at(*problem).what());
    }

    void startElement(std::string_view element, const XML_Char** attributes)
    {
        ++depth_;
        if (!problem_.empty())
            return;  // expat may call once more after it was stopped
        if (depth_ == 1) {
            if (element != "datafile")
                return stop(format(tr(texts::DatNotDatafile), {datName_}));
            sawDatafile_ = true;
        } else if (depth_ == 2 && isGameElement(element)) {
            entries_.beginGame();
            inGame_ = true;
            for (const XML_Char** a = attributes; *a; a += 2)
                if (std::string_view(a[0]) == "name")
                    check(entries_.nameGame(a[1]));
        } else if (depth_ == 3 && inGame_ && element == "rom") {
            // A <rom> under <header> or any other element belongs to no game.
            entries_.beginRom();
            for (const XML_Char** a = attributes; *a && problem_.empty(); a += 2)
                check(entries_.romField(a[0], a[1]));
            check(entries_.endRom());
        }
    }

    void endElement()
    {
        if (depth_ == 2 && inGame_) {
            entries_.endGame();
            inGame_ = false;
        }
        --depth_;
    }

    static void XMLCALL start(void* self, const XML_Char* element, const XML_Char** attributes)
    {
        static_cast<LogiqxReader*>(self)->startElement(element, attributes);
    }
    static void XMLCALL end(void* self, const XML_Char*) { static_cast<LogiqxReader*>(self)->endElement(); }

    std::string datName_;
    std::unique_ptr<XML_ParserStruct, ParserFree> parser_;
    DatEntries entries_;
    std::string problem_;
    int depth_ = 0;
    bool inGame_ = false;
    bool sawDatafile_ = false;
};

}  // namespace

DatFile readLogiqxDat(std::string_view datName, const DatBlocks& blocks, const DatLimits& limits)
{
    LogiqxReader reader(datName, limits);
    for (;;) {
        const std::string_view block = blocks();
        reader.feed(block, block.empty());
        if (block.empty())
            return reader.take();
    }
}

}  // namespace kst::verify
