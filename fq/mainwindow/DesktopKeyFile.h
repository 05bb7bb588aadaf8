#pragma once
// The key files the desktop describes its applications with: desktop
// entries, mimeapps.list and mimeinfo.cache. Groups in brackets, Key=Value
// lines, comments starting with '#'.
#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

namespace fq {

class DesktopKeyFile {
public:
    // A missing or unreadable file reads as an empty one.
    static DesktopKeyFile Load(const QString& filePath);
    static DesktopKeyFile Parse(const QByteArray& text);

    bool HasGroup(const QString& group) const;
    // The first group of the file, where a desktop entry must start.
    const QString& FirstGroup() const { return firstGroup_; }
    // The value as written after the '='; empty when the key is missing.
    QString Value(const QString& group, const QString& key) const;
    // The value with its escapes (\s \n \t \r \\) resolved.
    QString String(const QString& group, const QString& key) const;
    // The value of key[lang_COUNTRY] or key[lang] for localeName (such as
    // "de_DE"), else of key; escapes resolved.
    QString LocaleString(const QString& group, const QString& key, const QString& localeName) const;
    // A list separated by ';' ("\;" inside an item), escapes resolved, each
    // item trimmed, empty items left out.
    QStringList List(const QString& group, const QString& key) const;
    // True only for the value "true".
    bool Boolean(const QString& group, const QString& key) const;

private:
    QHash<QString, QHash<QString, QString>> groups_;
    QString firstGroup_;
};

}  // namespace fq
