#include "ExecLine.h"

#include <QList>
#include <QUrl>

namespace fq {
namespace {

struct Argument {
    QString text;
    bool hasText = false;       // holds characters of the line itself, so stays even when empty
    bool holdsTheFile = false;  // a file code was replaced in it
};

bool EscapableInQuotes(QChar c) {
    return c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\');
}

class ExecLineReader {
public:
    ExecLineReader(const QString& exec, const QString& path)
        : exec_(exec), path_(path), url_(QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded)) {}

    // False when the line is malformed.
    bool Read() {
        for (position_ = 0; position_ < exec_.size(); ++position_) {
            const QChar c = exec_[position_];
            if (c.isSpace()) {
                EndArgument();
            } else if (c == QLatin1Char('"')) {
                if (!ReadQuoted()) return false;
            } else if (c == QLatin1Char('\\')) {
                if (position_ + 1 >= exec_.size()) return false;
                AddText(exec_[++position_]);
            } else if (c == QLatin1Char('%')) {
                ReadFieldCode();
            } else {
                AddText(c);
            }
        }
        EndArgument();
        return true;
    }

    const QList<Argument>& Arguments() const { return arguments_; }
    bool HasFileCode() const { return hasFileCode_; }

private:
    Argument& Current() {
        if (!current_) current_ = Argument{};
        return *current_;
    }

    void AddText(QChar c) {
        Current().text += c;
        current_->hasText = true;
    }

    void EndArgument() {
        if (current_ && (current_->hasText || current_->holdsTheFile)) arguments_.append(*current_);
        current_.reset();
    }

    // From the opening quote to the closing one; false when none closes it.
    bool ReadQuoted() {
        Current().hasText = true;
        for (++position_; position_ < exec_.size(); ++position_) {
            const QChar c = exec_[position_];
            if (c == QLatin1Char('"')) return true;
            if (c == QLatin1Char('\\') && position_ + 1 < exec_.size() && EscapableInQuotes(exec_[position_ + 1]))
                ++position_;
            current_->text += exec_[position_];
        }
        return false;
    }

    void ReadFieldCode() {
        if (position_ + 1 >= exec_.size()) return;
        const QChar code = exec_[++position_];
        switch (code.unicode()) {
            case 'f':
            case 'F':
                AddFile(path_);
                break;
            case 'u':
            case 'U':
                AddFile(url_);
                break;
            case '%':
                AddText(code);
                break;
            default:
                break;
        }
    }

    void AddFile(const QString& file) {
        Current().text += file;
        current_->holdsTheFile = true;
        hasFileCode_ = true;
    }

    const QString& exec_;
    const QString& path_;
    const QString url_;
    qsizetype position_ = 0;
    std::optional<Argument> current_;
    QList<Argument> arguments_;
    bool hasFileCode_ = false;
};

}  // namespace

std::optional<LaunchCommand> ExecLineCommand(const QString& exec, const QString& path) {
    ExecLineReader reader(exec, path);
    if (!reader.Read()) return std::nullopt;
    const QList<Argument>& arguments = reader.Arguments();
    if (arguments.isEmpty() || arguments.constFirst().holdsTheFile || arguments.constFirst().text.isEmpty())
        return std::nullopt;
    LaunchCommand command;
    command.program = arguments.constFirst().text;
    for (qsizetype i = 1; i < arguments.size(); ++i) command.arguments.append(arguments[i].text);
    if (!reader.HasFileCode()) command.arguments.append(path);
    return command;
}

}  // namespace fq
