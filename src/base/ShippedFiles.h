#pragma once

#include "base/AppPaths.h"

#include <QString>
#include <QStringList>

namespace taru {

// Kept in the program folder: the shipped files already offered to it, one path relative to the
// program folder per line (UTF-8). Each shipped file is copied at most once, so one the user
// deletes stays deleted, while one that a newer version ships still arrives.
inline const QString kShippedRecordFile = QStringLiteral(".taru-shipped");

struct SeedReport {
    QStringList copied;   // paths relative to the program folder, in the order copied
    QStringList problems; // one message per file that could not be copied; tried again next time
};

// Gives the program folder the shipped files it has not been offered yet: every file of the
// library (BIBLIO, subfolders included) and the default printer profile (Printers/default.tpr).
// A file already there, whatever its letter case, is kept as it is and never overwritten.
// Nothing happens when the program folder is the folder of the shipped files itself.
SeedReport SeedProgramFolder(const AppPaths &paths);

} // namespace taru
