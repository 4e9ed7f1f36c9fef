#pragma once

// What every test of the unzip module shares: the module loaded as the program
// loads it, archives written by libzip, a caller that records every report,
// and a temporary folder holding the archive and the extraction folder "out".

#include "import_block.h"
#include "unzdll/unzdll.h"

#include "support/synthetic_image.h"
#include "support/table_rows.h"
#include "support/temp_folder.h"

#include <algorithm>
#include <ctime>
#include <dlfcn.h>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>
#include <zip.h>

namespace kst::test {

namespace fs = std::filesystem;

inline constexpr std::time_t kArchived = 1577880000;  // 2020-01-01, the time of every member

struct Member {
    std::string name;
    Bytes data;
    zip_int32_t method = ZIP_CM_DEFLATE;
    zip_uint16_t encryption = ZIP_EM_NONE;
    std::string password = {};
};

inline void makeArchive(const fs::path& path, const std::vector<Member>& members)
{
    int error = 0;
    zip_t* zip = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    ASSERT_NE(zip, nullptr);
    for (const Member& member : members) {
        zip_source_t* source = zip_source_buffer(zip, member.data.data(), member.data.size(), 0);
        zip_int64_t index = zip_file_add(zip, member.name.c_str(), source, ZIP_FL_ENC_UTF_8);
        ASSERT_GE(index, 0) << member.name;
        auto at = static_cast<zip_uint64_t>(index);
        zip_set_file_compression(zip, at, member.method, 0);
        // This libzip derives the traditional method's check byte from the
        // data's own time, not from a time set here: such members keep "now".
        if (member.encryption != ZIP_EM_TRAD_PKWARE)
            zip_file_set_mtime(zip, at, kArchived, 0);
        if (member.encryption != ZIP_EM_NONE) {
            ASSERT_EQ(zip_file_set_encryption(zip, at, member.encryption, member.password.c_str()), 0);
        }
    }
    ASSERT_EQ(zip_close(zip), 0) << zip_strerror(zip);
}

struct Event {
    std::int32_t action;
    std::int32_t flag;
    std::int32_t number;
    std::string text;
};

// The caller's side: records every report as it came in, then answers as the
// test says. The record finds its way back here through the caller value.
struct Caller {
    std::vector<Event> events;
    std::function<std::int32_t(UnzCallbackInfo&)> answer;

    std::vector<std::int32_t> actions() const
    {
        std::vector<std::int32_t> result;
        for (const Event& event : events)
            result.push_back(event.action);
        return result;
    }
    std::vector<Event> only(std::int32_t action) const
    {
        std::vector<Event> result;
        std::copy_if(events.begin(), events.end(), std::back_inserter(result),
                     [&](const Event& event) { return event.action == action; });
        return result;
    }
};

inline std::int32_t record(UnzCallbackInfo* info)
{
    auto* caller = static_cast<Caller*>(info->caller);
    caller->events.push_back({info->action, info->flag, info->number, info->text});
    return caller->answer ? caller->answer(*info) : UNZ_CONTINUE;
}

inline const Bytes kBig = makeImage(100 * 1024, "BIG");  // two progress reports
inline const Bytes kSmall = makeImage(4096, "SMALL");
inline const Bytes kSub = makeImage(4096, "SUB");
inline const Bytes kOld = {'o', 'l', 'd'};

class UnzDllTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        module = ::dlopen(UNZDLL_MODULE_PATH, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(module, nullptr) << ::dlerror();
        exec = reinterpret_cast<UnzDllExecFn>(::dlsym(module, UNZ_EXEC_SYMBOL));
        version = reinterpret_cast<GetUnzDllVersionFn>(::dlsym(module, UNZ_VERSION_SYMBOL));
    }

    void SetUp() override
    {
        ASSERT_TRUE(exec && version);
        fs::create_directory(out());
    }

    fs::path archive() const { return folder.path() / "game.zip"; }
    fs::path out() const { return folder.path() / "out"; }

    void makeGame() { makeArchive(archive(), {{"a.gba", kBig}, {"b.gba", kSmall}, {"sub/c.gba", kSub}}); }

    // Extracts as the program does: the destination is the current folder,
    // existing files are asked about.
    std::int32_t extract(const std::vector<std::string>& names, const std::function<void(UnzParams&)>& adjust = {})
    {
        std::vector<UnzMember> members(names.size());
        for (std::size_t i = 0; i < names.size(); ++i)
            members[i].name = names[i].c_str();
        std::string path = archive().string();
        UnzParams params = importBlock(&caller, record, path, members);
        if (adjust)
            adjust(params);
        fs::path previous = fs::current_path();
        fs::current_path(out());
        std::int32_t result = exec(&params);
        fs::current_path(previous);
        return result;
    }

    // Every file below a folder, temporary ones included.
    static std::vector<std::string> filesIn(const fs::path& root)
    {
        std::vector<std::string> files;
        for (const auto& entry : fs::recursive_directory_iterator(root))
            if (!entry.is_directory())
                files.push_back(entry.path().lexically_relative(root).string());
        std::sort(files.begin(), files.end());
        return files;
    }

    // Every file and folder below a folder; folders end in "/".
    static std::vector<std::string> everythingIn(const fs::path& root)
    {
        std::vector<std::string> found;
        for (const auto& entry : fs::recursive_directory_iterator(root))
            found.push_back(entry.path().lexically_relative(root).string() + (entry.is_directory() ? "/" : ""));
        std::sort(found.begin(), found.end());
        return found;
    }

    kst::test::TempFolder folder;
    Caller caller;
    static inline void* module = nullptr;
    static inline UnzDllExecFn exec = nullptr;
    static inline GetUnzDllVersionFn version = nullptr;
};

}  // namespace kst::test
