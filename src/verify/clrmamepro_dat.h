#pragma once

#include "verify/dat_entries.h"

namespace kst::verify {

// Whether a DAT's first bytes open clrmamepro's text format: its first word
// is "clrmamepro" (the header block) or names a game block.
bool looksLikeClrmamepro(std::string_view start);

// The entries of a DAT in clrmamepro's text format: blocks `key ( ... )` of
// `key value` pairs, values quoted or bare, in any order; `game`, `machine` or
// `resource` blocks with a name and `rom ( ... )` blocks with name, size, crc,
// md5, sha1 and status or flags. Other blocks are skipped. Throws DatError.
DatFile readClrmameproDat(std::string_view datName, const DatBlocks& blocks, const DatLimits& limits);

}  // namespace kst::verify
