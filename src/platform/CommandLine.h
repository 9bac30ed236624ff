#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace reelwright {

// The program keeps its command lines as one string, split by the Windows rules: double quotes
// group, backslashes before a quote escape it. No shell ever sees the line.

using ProgramTest = std::function<bool(const QString& path)>;

// True for an existing, executable regular file.
bool IsRunnableProgram(const QString& path);

// Splits a command line into the program and its arguments. An unquoted program path with
// blanks is resolved as Windows does: the shortest blank-separated prefix that names a program.
QStringList SplitCommandLine(const QString& commandLine,
                             const ProgramTest& isProgram = IsRunnableProgram);

// Splits a text of arguments by the same rules; none when a quote is left open, since the text
// would then swallow whatever follows it on a command line.
std::optional<QStringList> SplitArguments(const QString& text);

// Quotes one argument so that SplitCommandLine gives it back unchanged.
QString QuoteArgument(const QString& argument);

}  // namespace reelwright
