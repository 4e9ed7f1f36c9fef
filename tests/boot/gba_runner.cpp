#include "boot/gba_runner.h"

#include <mgba/core/core.h>
#include <mgba/core/log.h>
#include <mgba-util/vfs.h>

#include <memory>
#include <stdexcept>
#include <vector>

namespace kst::test {
namespace {

constexpr std::uint32_t Results = 0x03000000;  // RESULTS in results.inc

// mGBA reports what the programs do wrong (a read past the end of the
// cartridge, for one); the tests judge by the results alone.
void dropLog(mLogger*, int, mLogLevel, const char*, va_list) {}
mLogger quietLogger{dropLog, nullptr};

struct CoreDeleter {
    void operator()(mCore* core) const
    {
        core->unloadROM(core);
        mCoreConfigDeinit(&core->config);
        core->deinit(core);
    }
};

}  // namespace

BootResult bootImage(std::span<const std::uint8_t> image, int frames)
{
    mLogSetDefaultLogger(&quietLogger);
    std::unique_ptr<mCore, CoreDeleter> core(mCoreCreate(mPLATFORM_GBA));
    if (!core || !core->init(core.get()))
        throw std::runtime_error("mGBA cannot create a console");
    mCoreInitConfig(core.get(), nullptr);
    // No BIOS file: the emulator starts the cartridge the way the BIOS would.
    core->opts.useBios = false;
    core->opts.skipBios = true;

    unsigned width = 0, height = 0;
    core->desiredVideoDimensions(core.get(), &width, &height);
    std::vector<color_t> screen(static_cast<std::size_t>(width) * height);
    core->setVideoBuffer(core.get(), screen.data(), width);

    // The emulator keeps its own copy of the image, and owns it once loaded.
    VFile* rom = VFileMemChunk(image.data(), image.size());
    if (!rom)
        throw std::runtime_error("mGBA cannot hold the image");
    if (!core->loadROM(core.get(), rom)) {
        rom->close(rom);
        throw std::runtime_error("mGBA refuses the image");
    }
    core->reset(core.get());
    // The console's BIOS reaches the cartridge by jumping from lr, which mGBA
    // leaves at 0: a patch that puts back what it changed must be judged
    // against the console's value.
    const std::int32_t entryLr = static_cast<std::int32_t>(Cartridge);
    core->writeRegister(core.get(), "lr", &entryLr);
    for (int i = 0; i < frames; ++i)
        core->runFrame(core.get());

    auto word = [&](std::uint32_t offset) { return core->busRead32(core.get(), Results + offset); };
    BootResult result;
    result.gameMarker = word(0);
    result.checksum = word(4);
    result.introMarker = word(8);
    result.patchMarker = word(12);
    result.patchEntry = word(16);
    // mGBA keeps pc one instruction ahead of the one it runs next; our
    // programs are ARM code, whose instructions are 4 bytes long.
    std::int32_t pc = 0;
    core->readRegister(core.get(), "pc", &pc);
    result.pc = static_cast<std::uint32_t>(pc) - 4;
    // FNV-1a over the pixels' bytes: a changed pixel changes the hash.
    result.screen = 0xCBF29CE484222325;
    for (const color_t pixel : screen)
        for (std::size_t i = 0; i < sizeof pixel; ++i)
            result.screen = (result.screen ^ ((pixel >> (8 * i)) & 0xFF)) * 0x100000001B3;
    return result;
}

}  // namespace kst::test
