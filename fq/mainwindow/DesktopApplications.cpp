#include "DesktopApplications.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QMimeDatabase>
#include <QSet>
#include <QStandardPaths>

#include "DesktopKeyFile.h"

namespace fq {
namespace {

constexpr QLatin1String kEntryGroup("Desktop Entry");
constexpr QLatin1String kDefaultsGroup("Default Applications");
constexpr QLatin1String kAddedGroup("Added Associations");
constexpr QLatin1String kRemovedGroup("Removed Associations");
constexpr QLatin1String kCacheGroup("MIME Cache");

struct InstalledEntry {
    DesktopApplication application;
    QStringList mimeTypes;
    int dataFolderIndex = 0;
    // An application with a program to start, neither deleted (Hidden) nor
    // kept out of menus (NoDisplay). An entry that is not offered still hides
    // those of its ID in later folders.
    bool offered = false;
};

// One source of associations, in order of precedence: a config folder, or
// the applications folder of a data folder together with its entries.
struct AssociationLevel {
    QList<DesktopKeyFile> defaultLists;  // the desktop-specific lists, then mimeapps.list
    DesktopKeyFile associations;         // mimeapps.list
    DesktopKeyFile mimeCache;            // mimeinfo.cache
    int dataFolderIndex = -1;            // -1 for a config folder
};

bool ProgramExists(const QString& tryExec) {
    if (tryExec.isEmpty()) return true;
    if (QDir::isAbsolutePath(tryExec)) return QFileInfo(tryExec).isExecutable();
    return !QStandardPaths::findExecutable(tryExec).isEmpty();
}

InstalledEntry ReadEntry(const QString& filePath, const QString& id, int dataFolderIndex, const QString& localeName) {
    const DesktopKeyFile file = DesktopKeyFile::Load(filePath);
    InstalledEntry entry;
    entry.dataFolderIndex = dataFolderIndex;
    entry.application.id = id;
    if (file.FirstGroup() != kEntryGroup) return entry;
    DesktopApplication& application = entry.application;
    application.name = file.LocaleString(kEntryGroup, QStringLiteral("Name"), localeName);
    if (application.name.isEmpty()) application.name = QFileInfo(id).completeBaseName();
    application.exec = file.String(kEntryGroup, QStringLiteral("Exec"));
    application.icon = file.String(kEntryGroup, QStringLiteral("Icon"));
    application.workingDirectory = file.String(kEntryGroup, QStringLiteral("Path"));
    application.terminal = file.Boolean(kEntryGroup, QStringLiteral("Terminal"));
    entry.mimeTypes = file.List(kEntryGroup, QStringLiteral("MimeType"));
    entry.offered = file.Value(kEntryGroup, QStringLiteral("Type")) == QLatin1String("Application") &&
                    !application.exec.isEmpty() && !file.Boolean(kEntryGroup, QStringLiteral("Hidden")) &&
                    !file.Boolean(kEntryGroup, QStringLiteral("NoDisplay")) &&
                    ProgramExists(file.String(kEntryGroup, QStringLiteral("TryExec")));
    return entry;
}

// The desktop IDs a key file lists under any of the names of one type.
QStringList IdsFor(const DesktopKeyFile& file, const QString& group, const QStringList& typeNames) {
    QStringList ids;
    for (const QString& typeName : typeNames) ids += file.List(group, typeName);
    return ids;
}

bool ListsAnyOf(const QStringList& mimeTypes, const QStringList& typeNames) {
    for (const QString& typeName : typeNames)
        if (mimeTypes.contains(typeName)) return true;
    return false;
}

class ApplicationIndex {
public:
    explicit ApplicationIndex(const DesktopFolders& folders) {
        for (const QString& folder : folders.configFolders) AddLevel(folder, -1, folders.desktopNames);
        for (int index = 0; index < folders.dataFolders.size(); ++index) {
            const QString applications = folders.dataFolders[index] + QStringLiteral("/applications");
            ReadEntries(applications, index, folders.localeName);
            AddLevel(applications, index, folders.desktopNames);
        }
    }

    QList<DesktopApplication> ForTypes(const QList<QMimeType>& types) const {
        QStringList ordered;
        const auto addOnce = [&ordered](const QString& id) {
            if (!ordered.contains(id)) ordered.append(id);
        };
        for (const QMimeType& type : types) {
            const QStringList typeNames = QStringList{type.name()} + type.aliases();
            const QStringList associations = AssociationsFor(typeNames);
            const QString defaultId = DefaultFor(typeNames, associations);
            if (!defaultId.isEmpty()) addOnce(defaultId);
            for (const QString& id : associations) addOnce(id);
        }
        QList<DesktopApplication> applications;
        for (const QString& id : ordered)
            if (IsOffered(id)) applications.append(Find(id)->application);
        return applications;
    }

private:
    // An ID names the entry found first along the data folders; the entries
    // it hides are never read.
    void ReadEntries(const QString& applicationsFolder, int dataFolderIndex, const QString& localeName) {
        const QDir folder(applicationsFolder);
        QStringList ids;
        QDirIterator files(applicationsFolder, {QStringLiteral("*.desktop")}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString filePath = files.next();
            const QString id = folder.relativeFilePath(filePath).replace(QLatin1Char('/'), QLatin1Char('-'));
            if (entries_.contains(id)) continue;
            entries_.insert(id, ReadEntry(filePath, id, dataFolderIndex, localeName));
            ids.append(id);
        }
        ids.sort();
        idsByDataFolder_.append(ids);
    }

    void AddLevel(const QString& folder, int dataFolderIndex, const QStringList& desktopNames) {
        AssociationLevel level;
        level.dataFolderIndex = dataFolderIndex;
        for (const QString& desktop : desktopNames)
            level.defaultLists.append(
                DesktopKeyFile::Load(folder + QLatin1Char('/') + desktop + QStringLiteral("-mimeapps.list")));
        level.associations = DesktopKeyFile::Load(folder + QStringLiteral("/mimeapps.list"));
        level.defaultLists.append(level.associations);
        if (dataFolderIndex >= 0) level.mimeCache = DesktopKeyFile::Load(folder + QStringLiteral("/mimeinfo.cache"));
        levels_.append(level);
    }

    const InstalledEntry* Find(const QString& id) const {
        const auto entry = entries_.constFind(id);
        return entry == entries_.cend() ? nullptr : &*entry;
    }

    bool IsOffered(const QString& id) const {
        const InstalledEntry* entry = Find(id);
        return entry != nullptr && entry->offered;
    }

    // A mimeapps.list beside desktop entries changes only the entries of its
    // own folder and of the folders after it; those of config folders change
    // every entry.
    bool AppliesTo(const QString& id, const AssociationLevel& level) const {
        const InstalledEntry* entry = Find(id);
        return entry != nullptr && entry->dataFolderIndex >= level.dataFolderIndex;
    }

    // The entries of a data folder that name the type themselves or through
    // the folder's mimeinfo.cache, in the order of their IDs.
    QStringList FolderEntriesFor(const AssociationLevel& level, const QStringList& typeNames) const {
        if (level.dataFolderIndex < 0) return {};
        const QStringList cached = IdsFor(level.mimeCache, kCacheGroup, typeNames);
        QStringList ids;
        for (const QString& id : idsByDataFolder_[level.dataFolderIndex])
            if (cached.contains(id) || ListsAnyOf(Find(id)->mimeTypes, typeNames)) ids.append(id);
        return ids;
    }

    // Removed associations hold for the same level and every later one;
    // each level adds its Added Associations before its own entries.
    QStringList AssociationsFor(const QStringList& typeNames) const {
        QStringList associated;
        QSet<QString> removed;
        for (const AssociationLevel& level : levels_) {
            for (const QString& id : IdsFor(level.associations, kRemovedGroup, typeNames))
                if (AppliesTo(id, level)) removed.insert(id);
            const QStringList added =
                IdsFor(level.associations, kAddedGroup, typeNames) + FolderEntriesFor(level, typeNames);
            for (const QString& id : added)
                if (AppliesTo(id, level) && !removed.contains(id) && !associated.contains(id)) associated.append(id);
        }
        return associated;
    }

    // The first default along the lists that is offered and associated with the type.
    QString DefaultFor(const QStringList& typeNames, const QStringList& associations) const {
        for (const AssociationLevel& level : levels_)
            for (const DesktopKeyFile& list : level.defaultLists)
                for (const QString& id : IdsFor(list, kDefaultsGroup, typeNames))
                    if (associations.contains(id) && IsOffered(id)) return id;
        return {};
    }

    QHash<QString, InstalledEntry> entries_;
    QList<QStringList> idsByDataFolder_;
    QList<AssociationLevel> levels_;
};

}  // namespace

DesktopFolders DesktopFolders::FromEnvironment() {
    DesktopFolders folders;
    folders.configFolders = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    folders.dataFolders = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    for (const QString& name : qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(QLatin1Char(':'), Qt::SkipEmptyParts))
        folders.desktopNames.append(name.toLower());
    folders.localeName = QLocale::system().name();
    return folders;
}

QList<QMimeType> MimeTypeWithAncestors(const QString& path) {
    const QMimeDatabase database;
    const QMimeType type = database.mimeTypeForFile(path);
    if (!type.isValid()) return {};
    QList<QMimeType> types{type};
    for (const QString& ancestor : type.allAncestors()) {
        const QMimeType ancestorType = database.mimeTypeForName(ancestor);
        if (ancestorType.isValid()) types.append(ancestorType);
    }
    return types;
}

QList<DesktopApplication> ApplicationsForTypes(const QList<QMimeType>& types, const DesktopFolders& folders) {
    return ApplicationIndex(folders).ForTypes(types);
}

}  // namespace fq
