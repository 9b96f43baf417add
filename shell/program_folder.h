#pragma once
// The program's folder, beside which fld1/ and fld2/ lie. Paths inside the
// program are written as in the stored data, "\fld2\aa.gif"; they are mapped
// to the platform's separator here and nowhere else.

#include <QString>

namespace ProgramFolder {
// Sets the folder (the executable's folder at start-up; a test folder in tests).
void SetRoot(const QString& folder);
const QString& Root();
// The full path of a program path such as "\fld1\goc.db".
QString Path(const QString& programPath);
}  // namespace ProgramFolder
