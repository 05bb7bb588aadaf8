#pragma once
// The applications the desktop offers for a type of file: the desktop
// entries under applications/ of the data folders, and the associations and
// defaults the mimeapps.list files set, the way the freedesktop.org
// desktop-entry and MIME-applications conventions lay them down.
#include <QList>
#include <QMimeType>
#include <QString>
#include <QStringList>

namespace fq {

struct DesktopApplication {
    QString id;    // the desktop file ID, such as "org.example.Editor.desktop"
    QString name;  // in the user's language where the entry has it
    QString exec;  // the Exec line, escapes of the key file resolved
    QString icon;
    QString workingDirectory;
    bool terminal = false;
};

// Where the desktop keeps its applications and associations, each list in
// order of precedence.
struct DesktopFolders {
    QStringList configFolders;  // $XDG_CONFIG_HOME, then $XDG_CONFIG_DIRS
    QStringList dataFolders;    // $XDG_DATA_HOME, then $XDG_DATA_DIRS
    QStringList desktopNames;   // $XDG_CURRENT_DESKTOP, lower case
    QString localeName;         // such as "de_DE"

    static DesktopFolders FromEnvironment();
};

// The type of the file or folder at path, then the types it is a kind of,
// the most specific first.
QList<QMimeType> MimeTypeWithAncestors(const QString& path);

// The applications for a file of these types: for each type in turn its
// default, then the others associated with it, each application once.
// Removed associations are left out, and so are entries that are hidden,
// not to be displayed, not applications, or without a program (no Exec, or
// a TryExec that names none).
QList<DesktopApplication> ApplicationsForTypes(const QList<QMimeType>& types, const DesktopFolders& folders);

}  // namespace fq
