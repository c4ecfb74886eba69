// The rows of the table: each toolkit operation and the standard tool it is
// measured against, on the same input.
#pragma once

#include "harness.h"

#include <memory>
#include <string>
#include <vector>

namespace bench {

struct Inputs;

// Owns the inputs the rows share; each is made the first time a row needs it.
class Workbench {
public:
    Workbench(const ScratchFolder &scratch, std::string python);
    ~Workbench();

    std::vector<Row> rows();

private:
    std::unique_ptr<Inputs> m_inputs;
};

} // namespace bench
