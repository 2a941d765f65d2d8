#pragma once

#include <optional>

namespace faktorlupe::vergleich {

// What went wrong, as a German sentence for the user, or nothing when all went well. Every check
// and every writer of the comparison answers so, and each caller asks the same question:
//   if (const Problem<QString> problem = checkWritable(path))
//       return fail(*problem, kBadArguments);
// The plain C++ writes its sentences in UTF-8 (std::string), the Qt part as QString.
template <typename Sentence> using Problem = std::optional<Sentence>;

} // namespace faktorlupe::vergleich
