#pragma once
// A desktop entry's Exec line and a file turned into the program to start
// and its arguments, the way the freedesktop.org desktop-entry convention
// reads the line. No shell takes part: the file reaches the program as one
// argument whatever characters its path holds.
#include <QString>
#include <QStringList>
#include <optional>

namespace fq {

struct LaunchCommand {
    QString program;
    QStringList arguments;
    QString workingDirectory;  // empty: the starting program's own

    bool operator==(const LaunchCommand&) const = default;
};

// exec is the line with the key file's escapes already resolved. Blanks
// separate arguments. Outside double quotes a backslash takes the next
// character as it is; inside them only before " ` $ and \ (as a POSIX shell
// reads them), and everything else there is text, field codes included.
// Outside quotes %f and %F stand for the path, %u and %U for its file URL,
// %% for a percent sign; the other field codes (%i %c %k and the deprecated
// ones) are dropped, together with an argument that held nothing else. A
// line without a file code gets the path as its last argument.
// nullopt for an empty line, an open quote, a line ending in a lone
// backslash, or a program that would come from the path.
std::optional<LaunchCommand> ExecLineCommand(const QString& exec, const QString& path);

}  // namespace fq
