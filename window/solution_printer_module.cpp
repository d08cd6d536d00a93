// Where the print dialog is a module (Linux): it is looked for in the
// program's library folder, found from the program's own folder, so that
// both an installed program and one in its build folder find theirs.
#include "solution_printer.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QtDebug>

namespace velmora {

LoadedPrinter loadSolutionPrinter(const QString& folder) {
    // Never unloaded: the printer's code must outlive it.
    QLibrary module(QDir(folder).filePath(QLatin1String(VELMORA_PRINT_MODULE_NAME)));
    using Entry = SolutionPrinter* (*)();
    if (const auto entry = reinterpret_cast<Entry>(module.resolve(VELMORA_SOLUTION_PRINTER_ENTRY)))
        return {std::unique_ptr<SolutionPrinter>(entry()), {}};
    qWarning().noquote() << module.errorString();
    return {nullptr, module.fileName()};
}

LoadedPrinter newSolutionPrinter() {
    // VELMORA_PRINT_MODULE_FOLDER is the module's folder relative to the
    // program's: "../lib/<triplet>/velmora" when installed in /usr/bin.
    return loadSolutionPrinter(QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                               QLatin1Char('/') +
                                               QLatin1String(VELMORA_PRINT_MODULE_FOLDER)));
}

} // namespace velmora
