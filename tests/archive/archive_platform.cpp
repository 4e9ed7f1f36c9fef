#include "archive/archive_platform.h"

#include <cstring>

namespace kst::test {
namespace {

class FakeModule : public LoadedModule {
public:
    explicit FakeModule(std::map<std::string, void*> symbols) : symbols_(std::move(symbols)) {}
    void* symbol(const char* name) const override
    {
        auto found = symbols_.find(name);
        return found == symbols_.end() ? nullptr : found->second;
    }

private:
    std::map<std::string, void*> symbols_;
};

ScriptedUnzip* running = nullptr;

}  // namespace

InstalledArchivePlatform::InstalledArchivePlatform()
{
    auto installed = std::make_unique<ArchivePlatform>();
    platform_ = installed.get();
    previous_ = installPlatform(std::move(installed));
}

InstalledArchivePlatform::~InstalledArchivePlatform()
{
    installPlatform(std::move(previous_));
}

std::unique_ptr<LoadedModule> ArchivePlatform::loadModule(const std::filesystem::path& path, std::string* reason)
{
    loads.push_back(path);
    if (modulesMissing)
        return nullptr;
    if (fakeModule)
        return std::make_unique<FakeModule>(*fakeModule);
    return PosixPlatform::loadModule(path, reason);
}

ScriptedUnzip::ScriptedUnzip()
{
    running = this;
}

ScriptedUnzip::~ScriptedUnzip()
{
    running = nullptr;
}

std::int32_t UNZDLL_CALL ScriptedUnzip::exec(UnzParams* params)
{
    ScriptedUnzip& s = *running;
    ++s.runs;
    const auto* raw = reinterpret_cast<const std::uint8_t*>(params);
    s.block.assign(raw, raw + sizeof(UnzParams));
    s.memberItems.clear();
    s.members.clear();
    for (std::int32_t i = 0; i < params->member_count; ++i) {
        const auto* item = reinterpret_cast<const std::uint8_t*>(&params->members[i]);
        s.memberItems.emplace_back(item, item + sizeof(UnzMember));
        s.members.emplace_back(params->members[i].name);
    }
    s.password = params->password ? params->password : "";
    s.archivePath = params->archive_path;
    s.currentFolder = std::filesystem::current_path();
    if (s.whileRunning)
        s.whileRunning();
    s.replies.clear();
    for (const Report& report : s.reports) {
        UnzCallbackInfo info{};
        info.caller = params->caller;
        info.action = report.action;
        info.flag = report.flag;
        info.number = report.number;
        std::strncpy(info.text, report.text.c_str(), UNZ_TEXT_SIZE - 1);
        std::int32_t returned = params->callback(&info);
        s.replies.push_back({info.flag, info.number, std::string(info.text, ::strnlen(info.text, UNZ_TEXT_SIZE)),
                             returned});
        if (returned == UNZ_STOP && s.stopWhenTold)
            break;
    }
    return s.result;
}

std::int32_t UNZDLL_CALL ScriptedUnzip::version()
{
    return UNZ_VERSION;
}

std::map<std::string, void*> ScriptedUnzip::exports()
{
    return {{UNZ_EXEC_SYMBOL, reinterpret_cast<void*>(&ScriptedUnzip::exec)},
            {UNZ_VERSION_SYMBOL, reinterpret_cast<void*>(&ScriptedUnzip::version)}};
}

}  // namespace kst::test
