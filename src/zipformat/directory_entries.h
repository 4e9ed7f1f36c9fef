#pragma once

#include "zipformat/bounded_reader.h"
#include "zipformat/zip_records.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace kst::zip {

// A central-directory entry as it is stored.
struct RawEntry {
    std::array<std::uint8_t, entry::Size> header {};
    std::string name;
    std::string extra;
    std::string comment;
};

// When the next header does not fit in what is left: the reader to go on
// with (a set's next disk), or nullptr to fail.
using NextReader = std::function<BoundedReader*()>;

using OnEntry = std::function<void(const RawEntry& entry, std::uint64_t index)>;

// Reads count entries from the reader on, each checked against what it still
// holds before anything is allocated, and hands each to onEntry. False when
// an entry does not fit or does not start with its signature.
bool readEntries(BoundedReader& reader, std::uint64_t count, const OnEntry& onEntry, const NextReader& nextReader = {});

}  // namespace kst::zip
