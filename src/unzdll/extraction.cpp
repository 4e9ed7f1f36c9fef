#include "unzdll/extraction.h"

#include "atomicfile/atomic_file.h"
#include "unzdll/member_folders.h"
#include "unzdll/member_path.h"
#include "unzdll/opened_archive.h"
#include "unzdll/reporter.h"

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <filesystem>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>
#include <unordered_set>
#include <vector>
#include <zip.h>

namespace kst::unz {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kChunkSize = 64 * 1024;

// What happens to a file that is already there, from the booleans of the block.
enum class ExistingRule { Update, Freshen, OverwriteAll, Ask };

ExistingRule existingRule(const UnzParams& params)
{
    if (params.update)
        return ExistingRule::Update;
    if (params.freshen)
        return ExistingRule::Freshen;
    if (params.overwrite_all)
        return ExistingRule::OverwriteAll;
    return ExistingRule::Ask;
}

struct MemberCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};
using MemberHandle = std::unique_ptr<zip_file_t, MemberCloser>;

struct Member {
    zip_uint64_t index = 0;
    std::string name;    // as the caller asked for it: reports and the file's place use this spelling
    std::int64_t size = 0;
    std::optional<std::time_t> modified;
    std::uint16_t encryption = ZIP_EM_NONE;
};

class Extraction {
public:
    Extraction(const UnzParams& params, fs::path root)
        : params_(params),
          root_(std::move(root)),
          reporter_(params.callback, params.caller, params.reports),
          rule_(existingRule(params)),
          password_(params.password ? params.password : "")
    {
    }

    void run();
    std::int32_t extracted() const { return extracted_; }

private:
    // Failed: not extracted, to be reported as skipped, with its reason, once
    // nothing of it is left.
    enum class Outcome { Extracted, Skipped, Failed, Stopped };

    std::vector<Member> chosenMembers() const;
    std::optional<fs::path> placeOf(const Member& member, bool keepFolders) const;
    Outcome extractOne(const Member& member, const fs::path& place);
    Outcome writeMember(const Member& member, const fs::path& place);
    Outcome copyData(const Member& member, zip_file_t* file, AtomicFile& out);
    std::optional<bool> mayReplace(const Member& member, const fs::path& target);
    MemberHandle openMember(const Member& member, Outcome& failure);
    bool isPasswordError() const;
    Outcome fail(std::int32_t reason, int systemError = 0);
    Outcome skip(const Member& member, std::int32_t reason, int systemError = 0);

    const UnzParams& params_;
    fs::path root_;
    Reporter reporter_;
    ExistingRule rule_;
    std::string password_;  // the last one that worked, tried first on the next encrypted member
    std::unique_ptr<OpenedArchive> archive_;
    std::vector<char> buffer_;
    std::int32_t extracted_ = 0;
    // Why the member at hand failed (UNZ_SKIP_...), and the system's error number.
    std::int32_t failure_ = UNZ_SKIP_DAMAGED;
    int systemError_ = 0;
};

void Extraction::run()
{
    archive_ = OpenedArchive::open(params_.archive_path);
    if (!archive_) {
        // Each member asked for is named, so that the caller can say why it is missing.
        for (std::int32_t i = 0; i < params_.member_count; ++i) {
            const char* requested = params_.members[i].name;
            if (requested && !isFolderEntry(requested) && !reporter_.skipped(requested, UNZ_SKIP_DAMAGED))
                return;
        }
        reporter_.endBatch();
        return;
    }

    bool keepFolders = params_.use_folder_names != 0;
    std::vector<std::pair<Member, fs::path>> batch;
    std::vector<std::pair<Member, std::int32_t>> refused;
    std::int64_t totalBytes = 0;
    for (Member& member : chosenMembers()) {
        std::optional<fs::path> place;
        // copyData never writes more than the declared size the refusal looks at.
        if (std::optional<std::int32_t> reason = archive_->refusal(member.index))
            refused.emplace_back(std::move(member), *reason);
        else if (!(place = placeOf(member, keepFolders)))
            refused.emplace_back(std::move(member), UNZ_SKIP_NAME);
        else {
            // Sizes come from the archive: added without ever overflowing.
            totalBytes += std::min(member.size, std::numeric_limits<std::int64_t>::max() - totalBytes);
            batch.emplace_back(std::move(member), std::move(*place));
        }
    }

    if (!reporter_.fileCount(static_cast<std::int64_t>(batch.size())) || !reporter_.totalBytes(totalBytes))
        return;
    for (const auto& [member, reason] : refused)
        if (!reporter_.skipped(member.name, reason))
            return;
    buffer_.resize(kChunkSize);
    for (const auto& [member, place] : batch) {
        Outcome outcome = extractOne(member, place);
        if (outcome == Outcome::Stopped)
            return;
        if (outcome == Outcome::Extracted)
            ++extracted_;
    }
    reporter_.endBatch();
}

// The members the block names, in its order, each once. A name that matches no
// member, or a folder entry, is left out: folders come with their files.
// Members are known by their names as the program lists them: decoded by the
// same rule, and as far as a C string can spell them (up to a NUL).
std::vector<Member> Extraction::chosenMembers() const
{
    bool ignoreCase = params_.ignore_case != 0;
    std::vector<std::string> decoded(archive_->directory().entries.size());
    std::unordered_map<std::string, zip_uint64_t> byName;
    for (std::size_t i = 0; i < decoded.size(); ++i) {
        decoded[i] = archive_->name(i);
        if (decoded[i].empty())
            continue;  // flagged UTF-8 but not: it has no name to be asked for
        std::string_view spelled = std::string_view(decoded[i]).substr(0, decoded[i].find('\0'));
        byName.emplace(matchKey(spelled, ignoreCase), i);  // the first of equal names wins
    }

    zip_t* zip = archive_->zip();
    std::vector<Member> members;
    std::unordered_set<zip_uint64_t> taken;
    for (std::int32_t i = 0; i < params_.member_count; ++i) {
        const char* requested = params_.members[i].name;
        if (!requested || isFolderEntry(requested))
            continue;
        auto found = byName.find(matchKey(requested, ignoreCase));
        zip_stat_t details;
        if (found == byName.end() || !taken.insert(found->second).second
            || zip_stat_index(zip, found->second, 0, &details) != 0)
            continue;
        Member member;
        member.index = found->second;
        member.name = requested;
        if (details.valid & ZIP_STAT_SIZE)
            member.size = static_cast<std::int64_t>(
                std::min<zip_uint64_t>(details.size, std::numeric_limits<std::int64_t>::max()));
        if (details.valid & ZIP_STAT_MTIME)
            member.modified = details.mtime;
        if (details.valid & ZIP_STAT_ENCRYPTION_METHOD)
            member.encryption = details.encryption_method;
        members.push_back(std::move(member));
    }
    return members;
}

// Where a member goes below the extraction folder, by the name it was asked
// for; nothing when that is refused. Its own name was looked at by the refusal.
std::optional<fs::path> Extraction::placeOf(const Member& member, bool keepFolders) const
{
    std::optional<fs::path> place = memberPath(member.name, keepFolders);
    if (place && !fitsTheSystem(root_ / *place))
        return std::nullopt;
    return place;
}

// Whether the file may be written, by the rule for files already there;
// nothing when the caller stopped while being asked.
std::optional<bool> Extraction::mayReplace(const Member& member, const fs::path& target)
{
    struct stat info {};
    if (::lstat(target.c_str(), &info) != 0)
        return rule_ != ExistingRule::Freshen;  // nothing there (or nothing readable: writing will tell)
    if (S_ISDIR(info.st_mode))
        return false;
    bool older = member.modified && info.st_mtime < *member.modified;
    switch (rule_) {
    case ExistingRule::Update:
    case ExistingRule::Freshen:
        return older;
    case ExistingRule::OverwriteAll:
        return true;
    case ExistingRule::Ask:
        break;
    }
    return reporter_.overwrite(member.name, older);
}

Extraction::Outcome Extraction::extractOne(const Member& member, const fs::path& place)
{
    fs::path target = root_ / place;
    if (!foldersArePassable(root_, place.parent_path()))
        return skip(member, UNZ_SKIP_NAME);
    std::optional<bool> replace = mayReplace(member, target);
    if (!replace)
        return Outcome::Stopped;
    if (!*replace)
        return skip(member, UNZ_SKIP_KEPT);
    if (!reporter_.beginFile(member.name, member.size))
        return Outcome::Stopped;
    Outcome outcome = writeMember(member, place);
    return outcome == Outcome::Failed ? skip(member, failure_, systemError_) : outcome;
}

// Writes the member's file. Whatever does not end in the complete file under
// its name, a stop included, leaves nothing: no temporary file, and none of
// the folders made for it.
Extraction::Outcome Extraction::writeMember(const Member& member, const fs::path& place)
{
    MadeFolders folders;
    if (!folders.make(root_, place.parent_path()))
        return fail(UNZ_SKIP_WRITE, errno);
    Outcome failure = Outcome::Failed;
    MemberHandle file = openMember(member, failure);
    if (!file)
        return failure;
    // Mode 0666 lets the umask decide, as for any new file.
    AtomicFile out(root_ / place.parent_path(), 0666, true);
    if (!out.isOpen())
        return fail(UNZ_SKIP_WRITE, out.error());
    Outcome copied = copyData(member, file.get(), out);
    if (copied != Outcome::Extracted)
        return copied;
    if (member.modified) {
        // A file without its archived time is still a good file: errors pass.
        const struct timespec times[2] = {{0, UTIME_OMIT}, {*member.modified, 0}};
        ::futimens(out.descriptor(), times);
    }
    if (!out.commit(root_ / place))
        return fail(UNZ_SKIP_WRITE, out.error());
    folders.keep();
    return Outcome::Extracted;
}

// Copies the member's data, at most its declared size. Data that disagrees
// with the header (a failed check, more or fewer bytes than declared) is kept
// only when the caller says so, and then only up to the declared size: a
// header that lies about the size cannot make a file grow past it. The
// question comes after the last byte, so a file kept is complete.
Extraction::Outcome Extraction::copyData(const Member& member, zip_file_t* file, AtomicFile& out)
{
    std::int64_t left = member.size;
    bool damaged = false;
    for (;;) {
        zip_int64_t got = zip_fread(file, buffer_.data(), buffer_.size());
        if (got == 0) {
            damaged = left != 0;
            break;
        }
        if (got < 0) {
            // libzip checks a stored member's size itself: "inconsistent".
            int code = zip_error_code_zip(zip_file_get_error(file));
            if (code != ZIP_ER_CRC && code != ZIP_ER_INCONS)
                return fail(skipReason(code));
            damaged = true;
            break;
        }
        bool tooLong = got > left;
        if (tooLong)
            got = left;
        if (!out.write(buffer_.data(), static_cast<std::size_t>(got)))
            return fail(UNZ_SKIP_WRITE, out.error());
        left -= got;
        if (got > 0 && !reporter_.progress(got))
            return Outcome::Stopped;
        if (tooLong) {
            damaged = true;
            break;
        }
    }
    if (!damaged)
        return Outcome::Extracted;
    std::optional<bool> keep = reporter_.keepDespiteCrcError(member.name);
    if (!keep)
        return Outcome::Stopped;
    return *keep ? Outcome::Extracted : fail(UNZ_SKIP_BAD_DATA);
}

// Opens a member for reading, asking for its password when the ones at hand
// do not fit. On failure, tells whether the member failed or the caller stopped.
MemberHandle Extraction::openMember(const Member& member, Outcome& failure)
{
    zip_t* zip = archive_->zip();
    failure = Outcome::Failed;
    // Whatever fails below, libzip's error says why; a password that never fits
    // ends as one of its password errors.
    failure_ = UNZ_SKIP_ENCRYPTED;
    if (member.encryption == ZIP_EM_NONE) {
        MemberHandle file(zip_fopen_index(zip, member.index, 0));
        if (!file)
            fail(skipReason(zip_error_code_zip(zip_get_error(zip))));
        return file;
    }
    if (!zip_encryption_method_supported(member.encryption, 0))
        return nullptr;
    if (!password_.empty()) {
        if (MemberHandle file { zip_fopen_index_encrypted(zip, member.index, 0, password_.c_str()) })
            return file;
        if (!isPasswordError()) {
            fail(skipReason(zip_error_code_zip(zip_get_error(zip))));
            return nullptr;
        }
    }

    std::int32_t tries = std::max(params_.password_tries, 1);
    while (tries > 0) {
        std::optional<Reporter::PasswordAnswer> answer = reporter_.password(member.name, tries);
        if (!answer) {
            failure = Outcome::Stopped;
            return nullptr;
        }
        if (!answer->password)
            return nullptr;
        if (MemberHandle file { zip_fopen_index_encrypted(zip, member.index, 0, answer->password->c_str()) }) {
            password_ = *answer->password;
            return file;
        }
        if (!isPasswordError()) {
            fail(skipReason(zip_error_code_zip(zip_get_error(zip))));
            return nullptr;
        }
        // The caller counts the tries down; whatever it answers, each question uses one up.
        tries = std::min(answer->triesLeft, tries - 1);
    }
    return nullptr;
}

bool Extraction::isPasswordError() const
{
    int code = zip_error_code_zip(zip_get_error(archive_->zip()));
    return code == ZIP_ER_NOPASSWD || code == ZIP_ER_WRONGPASSWD;
}

Extraction::Outcome Extraction::fail(std::int32_t reason, int systemError)
{
    failure_ = reason;
    systemError_ = systemError;
    return Outcome::Failed;
}

Extraction::Outcome Extraction::skip(const Member& member, std::int32_t reason, int systemError)
{
    return reporter_.skipped(member.name, reason, systemError) ? Outcome::Skipped : Outcome::Stopped;
}

}  // namespace

std::int32_t extract(const UnzParams& params)
{
    // Nothing may escape into a C caller. Whatever fails this late (memory,
    // in practice) ends the batch; a file being written is removed on the way out.
    std::optional<Extraction> extraction;
    try {
        std::error_code error;
        fs::path root = fs::current_path(error);
        if (error)
            return 0;
        extraction.emplace(params, std::move(root));
        extraction->run();
    } catch (...) {
    }
    return extraction ? extraction->extracted() : 0;
}

}  // namespace kst::unz
