#pragma once

#include "verify/dat_entries.h"

namespace kst::verify {

// The entries of a Logiqx XML DAT: <datafile>, <game>, <machine> or <resource>
// with a name, <rom> with name, size, crc, md5, sha1 and status. Throws DatError.
DatFile readLogiqxDat(std::string_view datName, const DatBlocks& blocks, const DatLimits& limits);

}  // namespace kst::verify
