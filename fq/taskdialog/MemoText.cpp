#include "MemoText.h"

#include <QPlainTextEdit>
#include <QTextDocument>

namespace fq {

void ShowMemoText(QPlainTextEdit& memo, const QString& text) { memo.setPlainText(text); }

QString MemoText(const QPlainTextEdit& memo) {
    // The raw text keeps characters that toPlainText() would change (a
    // no-break space becomes a blank there).
    QString text = memo.document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    text.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
    return text;
}

}  // namespace fq
