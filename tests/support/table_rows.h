#pragma once

#include <ostream>
#include <string>

namespace kst::test {

// The rows of a parameterised test print as their label: GoogleTest would
// print any other struct as its raw bytes, pointers among them, and the
// test's name in CTest would change from build to build. A file whose rows
// live in an unnamed namespace says `using kst::test::PrintTo;` there.
template <typename Row>
    requires requires(const Row& row) { row.label; }
void PrintTo(const Row& row, std::ostream* os)
{
    *os << row.label;
}

// Names each instantiated row after its label.
inline const auto byLabel = [](const auto& info) { return std::string(info.param.label); };

}  // namespace kst::test
