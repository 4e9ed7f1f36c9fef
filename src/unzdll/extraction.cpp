#include "unzdll/extraction.h"

#include "unzdll/member_path.h"
#include "unzdll/pending_file.h"
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

struct ArchiveCloser {
    void operator()(zip_t* zip) const { zip_discard(zip); }
};
struct MemberCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};
using ArchiveHandle = std::unique_ptr<zip_t, ArchiveCloser>;
using MemberHandle = std::unique_ptr<zip_file_t, MemberCloser>;

struct Member {
    zip_uint64_t index = 0;
    std::string name;  // as the caller asked for it: reports and the file's place use this spelling
    std::int64_t size = 0;
    std::optional<std::time_t> modified;
    std::uint16_t encryption = ZIP_EM_NONE;
};

// Walks the folders of a member below root, making the missing ones when
// asked to. Anything on the way that is not a real folder, a symbolic link in
// particular, fails the walk: following a link could lead out of the
// extraction folder, and so could looking at what lies behind it.
bool walkFolders(const fs::path& root, const fs::path& folders, bool create)
{
    fs::path current = root;
    for (const fs::path& part : folders) {
        current /= part;
        struct stat info {};
        if (::lstat(current.c_str(), &info) == 0) {
            if (!S_ISDIR(info.st_mode))
                return false;
            continue;
        }
        if (errno != ENOENT)
            return false;
        if (!create)
            return true;
        if (::mkdir(current.c_str(), 0777) != 0)
            return false;
    }
    return true;
}

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
    enum class Outcome { Extracted, Skipped, Stopped };

    std::vector<Member> chosenMembers() const;
    Outcome extractOne(const Member& member, const fs::path& place);
    std::optional<bool> mayReplace(const Member& member, const fs::path& target);
    MemberHandle openMember(const Member& member, Outcome& failure);
    bool isPasswordError() const;
    Outcome skip(const Member& member);

    const UnzParams& params_;
    fs::path root_;
    Reporter reporter_;
    ExistingRule rule_;
    std::string password_;  // the last one that worked, tried first on the next encrypted member
    ArchiveHandle archive_;
    std::vector<char> buffer_;
    std::int32_t extracted_ = 0;
};

void Extraction::run()
{
    int error = 0;
    archive_.reset(zip_open(params_.archive_path, ZIP_RDONLY, &error));
    if (!archive_) {
        reporter_.endBatch();
        return;
    }

    bool keepFolders = params_.use_folder_names != 0;
    std::vector<std::pair<Member, fs::path>> batch;
    std::vector<Member> refused;
    std::int64_t totalBytes = 0;
    for (Member& member : chosenMembers()) {
        if (auto place = memberPath(member.name, keepFolders)) {
            // Sizes come from the archive: added without ever overflowing.
            totalBytes += std::min(member.size, std::numeric_limits<std::int64_t>::max() - totalBytes);
            batch.emplace_back(std::move(member), std::move(*place));
        } else {
            refused.push_back(std::move(member));
        }
    }

    if (!reporter_.fileCount(static_cast<std::int64_t>(batch.size())) || !reporter_.totalBytes(totalBytes))
        return;
    for (const Member& member : refused)
        if (!reporter_.skipped(member.name))
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
std::vector<Member> Extraction::chosenMembers() const
{
    bool ignoreCase = params_.ignore_case != 0;
    zip_t* zip = archive_.get();
    // Names are matched both as stored and as decoded from the archive's code
    // page, since callers may know a member by either.
    std::unordered_map<std::string, zip_uint64_t> byName;
    zip_int64_t count = zip_get_num_entries(zip, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        auto index = static_cast<zip_uint64_t>(i);
        for (zip_flags_t flags : {ZIP_FL_ENC_RAW, ZIP_FL_ENC_GUESS})
            if (const char* name = zip_get_name(zip, index, flags))
                byName.emplace(matchKey(name, ignoreCase), index);  // the first of equal names wins
    }

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
    if (!walkFolders(root_, place.parent_path(), false))
        return skip(member);
    std::optional<bool> replace = mayReplace(member, target);
    if (!replace)
        return Outcome::Stopped;
    if (!*replace)
        return skip(member);
    if (!reporter_.beginFile(member.name, member.size))
        return Outcome::Stopped;
    if (!walkFolders(root_, place.parent_path(), true))
        return skip(member);

    Outcome failure = Outcome::Skipped;
    MemberHandle file = openMember(member, failure);
    if (!file)
        return failure == Outcome::Stopped ? failure : skip(member);
    PendingFile out(target.parent_path());
    if (!out.isOpen())
        return skip(member);

    for (;;) {
        zip_int64_t got = zip_fread(file.get(), buffer_.data(), buffer_.size());
        if (got == 0)
            break;
        if (got < 0) {
            // The check comes after the last bytes, so the file is complete
            // when the caller chooses to keep it.
            if (zip_error_code_zip(zip_file_get_error(file.get())) == ZIP_ER_CRC) {
                std::optional<bool> keep = reporter_.keepDespiteCrcError(member.name);
                if (!keep)
                    return Outcome::Stopped;
                if (*keep)
                    break;
            }
            return skip(member);
        }
        if (!out.write(buffer_.data(), static_cast<std::size_t>(got)))
            return skip(member);
        if (!reporter_.progress(got))
            return Outcome::Stopped;
    }
    return out.commit(target, member.modified) ? Outcome::Extracted : skip(member);
}

// Opens a member for reading, asking for its password when the ones at hand
// do not fit. On failure, tells whether the member is to be skipped or the
// caller stopped.
MemberHandle Extraction::openMember(const Member& member, Outcome& failure)
{
    zip_t* zip = archive_.get();
    failure = Outcome::Skipped;
    if (member.encryption == ZIP_EM_NONE)
        return MemberHandle(zip_fopen_index(zip, member.index, 0));
    if (!zip_encryption_method_supported(member.encryption, 0))
        return nullptr;
    if (!password_.empty()) {
        if (MemberHandle file { zip_fopen_index_encrypted(zip, member.index, 0, password_.c_str()) })
            return file;
        if (!isPasswordError())
            return nullptr;
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
        if (!isPasswordError())
            return nullptr;
        // The caller counts the tries down; whatever it answers, each question uses one up.
        tries = std::min(answer->triesLeft, tries - 1);
    }
    return nullptr;
}

bool Extraction::isPasswordError() const
{
    int code = zip_error_code_zip(zip_get_error(archive_.get()));
    return code == ZIP_ER_NOPASSWD || code == ZIP_ER_WRONGPASSWD;
}

Extraction::Outcome Extraction::skip(const Member& member)
{
    return reporter_.skipped(member.name) ? Outcome::Skipped : Outcome::Stopped;
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
