#pragma once

namespace kst {

// The program's version ("1.1"): the project's version in CMakeLists.txt, the
// one place it is written. Defined in a file the build generates from it.
extern const char* const ProgramVersion;

}  // namespace kst
