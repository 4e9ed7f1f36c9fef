#include "verify/clrmamepro_dat.h"

#include "core/texts.h"

namespace kst::verify {
namespace {

// No real value comes near this: a header's comment is the longest.
constexpr std::size_t MaxValueBytes = 64 * 1024;

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

bool isGameBlock(std::string_view key)
{
    return key == "game" || key == "machine" || key == "resource";
}

enum class Token { Open, Close, Word, End };

// Splits the text into "(", ")", words and quoted values, and counts lines.
class Tokenizer {
public:
    Tokenizer(std::string_view datName, const DatBlocks& blocks) : datName_(datName), blocks_(blocks) {}

    Token next()
    {
        int c = skipBlanks();
        line_ = at_;
        text_.clear();
        if (c < 0)
            return Token::End;
        if (c == '(' || c == ')') {
            advance();
            return c == '(' ? Token::Open : Token::Close;
        }
        if (c == '"') {
            advance();
            for (c = peek(); c != '"'; c = peek()) {
                if (c < 0 || c == '\n')
                    fail(line_, tr(texts::DatUnclosedQuote));
                take(c);
            }
            advance();
        } else {
            for (; c >= 0 && !isBlank(static_cast<char>(c)) && c != '(' && c != ')' && c != '"'; c = peek())
                take(c);
        }
        return Token::Word;
    }

    const std::string& text() const { return text_; }
    std::size_t line() const { return line_; }
    const std::string& datName() const { return datName_; }

    [[noreturn]] void fail(std::size_t line, std::string_view reason) const
    {
        throw datProblem(datName_, line, reason);
    }

private:
    int peek()
    {
        while (pos_ == block_.size()) {
            if (ended_)
                return -1;
            block_ = blocks_();
            pos_ = 0;
            ended_ = block_.empty();
        }
        return static_cast<unsigned char>(block_[pos_]);
    }

    void advance()
    {
        at_ += block_[pos_] == '\n';
        ++pos_;
    }

    int skipBlanks()
    {
        int c = peek();
        while (c >= 0 && isBlank(static_cast<char>(c))) {
            advance();
            c = peek();
        }
        return c;
    }

    void take(int c)
    {
        if (text_.size() == MaxValueBytes)
            fail(line_, format(tr(texts::DatValueTooLong), {std::to_string(MaxValueBytes)}));
        text_ += static_cast<char>(c);
        advance();
    }

    std::string datName_;
    const DatBlocks& blocks_;
    std::string_view block_;
    std::size_t pos_ = 0;
    bool ended_ = false;
    std::size_t at_ = 1;
    std::size_t line_ = 1;
    std::string text_;
};

class ClrmameproReader {
public:
    ClrmameproReader(std::string_view datName, const DatBlocks& blocks, const DatLimits& limits)
        : tokens_(datName, blocks), entries_(limits)
    {
    }

    DatFile read()
    {
        for (Token token = tokens_.next(); token != Token::End; token = tokens_.next()) {
            if (token != Token::Word)
                unexpected(token);
            const std::string key = tokens_.text();
            const std::size_t opened = tokens_.line();
            if (tokens_.next() != Token::Open)
                tokens_.fail(tokens_.line(), format(tr(texts::DatExpectedOpen), {key}));
            if (isGameBlock(key)) {
                entries_.beginGame();
                readBlock(opened, [this](const std::string& key, Token value, std::size_t line) {
                    if (value == Token::Open && key == "rom")
                        readRom(line);
                    else if (value == Token::Open)
                        skipBlock(line);
                    else if (value == Token::Word && key == "name")
                        check(entries_.nameGame(tokens_.text()));
                });
                entries_.endGame();
            } else {
                skipBlock(opened);
            }
        }
        return entries_.take();
    }

private:
    // Walks the pairs of a block whose "(" was read, up to its ")"; a key
    // alone just before the ")" comes with no value (Token::Close). The key
    // is valid until the pair reads on.
    template <typename Pair>
    void readBlock(std::size_t opened, Pair&& pair)
    {
        for (;;) {
            Token token = tokens_.next();
            if (token == Token::Close)
                return;
            if (token != Token::Word)
                token == Token::End ? unclosed(opened) : unexpected(token);
            key_ = tokens_.text();
            const std::size_t line = tokens_.line();
            token = tokens_.next();
            if (token == Token::End)
                unclosed(opened);
            pair(key_, token, line);
            if (token == Token::Close)
                return;
        }
    }

    void readRom(std::size_t opened)
    {
        entries_.beginRom();
        readBlock(opened, [this](const std::string& key, Token value, std::size_t line) {
            if (value == Token::Open)
                skipBlock(line);
            else if (value == Token::Close)
                check(entries_.romField("flags", key));  // a bare "nodump" or "baddump"
            else
                check(entries_.romField(key, tokens_.text()));
        });
        check(entries_.endRom());
    }

    void skipBlock(std::size_t opened)
    {
        for (int depth = 1; depth > 0;) {
            const Token token = tokens_.next();
            if (token == Token::End)
                unclosed(opened);
            depth += token == Token::Open ? 1 : token == Token::Close ? -1 : 0;
        }
    }

    void check(const DatEntries::Problem& problem) const
    {
        if (problem)
            tokens_.fail(tokens_.line(), *problem);
    }

    [[noreturn]] void unclosed(std::size_t opened) const
    {
        tokens_.fail(tokens_.line(), format(tr(texts::DatUnclosedBlock), {std::to_string(opened)}));
    }

    [[noreturn]] void unexpected(Token token) const
    {
        tokens_.fail(tokens_.line(), format(tr(texts::DatUnexpected), {token == Token::Open ? "(" : ")"}));
    }

    Tokenizer tokens_;
    DatEntries entries_;
    std::string key_;
};

}  // namespace

bool looksLikeClrmamepro(std::string_view start)
{
    if (start.starts_with("\xEF\xBB\xBF"))
        start.remove_prefix(3);
    std::size_t first = 0;
    while (first < start.size() && isBlank(start[first]))
        ++first;
    std::size_t end = first;
    while (end < start.size() && !isBlank(start[end]) && start[end] != '(')
        ++end;
    const std::string_view word = start.substr(first, end - first);
    return word == "clrmamepro" || isGameBlock(word);
}

DatFile readClrmameproDat(std::string_view datName, const DatBlocks& blocks, const DatLimits& limits)
{
    return ClrmameproReader(datName, blocks, limits).read();
}

}  // namespace kst::verify
