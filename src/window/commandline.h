#pragma once

#include <QString>
#include <QStringList>

// The command line. The program takes no options for its work: --help and
// --version answer and end it, Qt's own options (-platform, -style, ...) are
// Qt's, and anything else is a mistake.
namespace freqcounter::CommandLine {

enum class Request { Run, Help, Version };

// Looked for before Qt starts, so that both work without a display.
Request request(int argc, const char *const *argv);

// What QApplication left after taking its own options: the first of it, or
// an empty string when nothing is left.
QString leftover(const QStringList &arguments);

QString helpText();
QString versionText();
QString usageLine();

} // namespace freqcounter::CommandLine
