// Where the print dialog is linked into the program (Windows): the printer
// is always at hand.
#include "solution_printer.h"

namespace velmora {

LoadedPrinter newSolutionPrinter() {
    return {std::unique_ptr<SolutionPrinter>(velmora_solution_printer_v1()), {}};
}

} // namespace velmora
