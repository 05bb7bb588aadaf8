#include "DesktopKeyFile.h"

#include <QFile>

namespace fq {
namespace {

QChar EscapedCharacter(QChar code) {
    switch (code.unicode()) {
        case 's':
            return QLatin1Char(' ');
        case 'n':
            return QLatin1Char('\n');
        case 't':
            return QLatin1Char('\t');
        case 'r':
            return QLatin1Char('\r');
        case '\\':
            return QLatin1Char('\\');
        default:
            return QChar();
    }
}

// Resolves the escapes of a value; with a separator, also splits it there,
// "\;" standing for the separator itself.
QStringList Unescape(const QString& value, QChar separator) {
    QStringList items;
    QString item;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == QLatin1Char('\\') && i + 1 < value.size()) {
            const QChar next = value[i + 1];
            const QChar escaped = !separator.isNull() && next == separator ? separator : EscapedCharacter(next);
            if (!escaped.isNull()) {
                item += escaped;
                ++i;
                continue;
            }
        }
        if (!separator.isNull() && c == separator) {
            items.append(item);
            item.clear();
            continue;
        }
        item += c;
    }
    items.append(item);
    return items;
}

}  // namespace

DesktopKeyFile DesktopKeyFile::Load(const QString& filePath) {
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return Parse(file.readAll());
}

DesktopKeyFile DesktopKeyFile::Parse(const QByteArray& text) {
    DesktopKeyFile keyFile;
    QHash<QString, QString>* group = nullptr;
    for (const QByteArray& rawLine : text.split('\n')) {
        const QString line = QString::fromUtf8(rawLine).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            const QString name = line.mid(1, line.size() - 2);
            if (keyFile.groups_.isEmpty()) keyFile.firstGroup_ = name;
            group = &keyFile.groups_[name];
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (group == nullptr || equals <= 0) continue;
        const QString key = line.left(equals).trimmed();
        if (!group->contains(key)) group->insert(key, line.mid(equals + 1).trimmed());
    }
    return keyFile;
}

bool DesktopKeyFile::HasGroup(const QString& group) const { return groups_.contains(group); }

QString DesktopKeyFile::Value(const QString& group, const QString& key) const {
    const auto found = groups_.constFind(group);
    return found == groups_.cend() ? QString() : found->value(key);
}

QString DesktopKeyFile::String(const QString& group, const QString& key) const {
    return Unescape(Value(group, key), QChar()).constFirst();
}

QString DesktopKeyFile::LocaleString(const QString& group, const QString& key, const QString& localeName) const {
    const QString language = localeName.section(QLatin1Char('_'), 0, 0);
    for (const QString& suffix : {localeName, language}) {
        if (suffix.isEmpty() || suffix == QLatin1String("C")) continue;
        const QString translated = String(group, key + QLatin1Char('[') + suffix + QLatin1Char(']'));
        if (!translated.isEmpty()) return translated;
    }
    return String(group, key);
}

QStringList DesktopKeyFile::List(const QString& group, const QString& key) const {
    QStringList items;
    for (const QString& item : Unescape(Value(group, key), QLatin1Char(';')))
        if (!item.trimmed().isEmpty()) items.append(item.trimmed());
    return items;
}

bool DesktopKeyFile::Boolean(const QString& group, const QString& key) const {
    return Value(group, key) == QLatin1String("true");
}

}  // namespace fq
