#pragma once
// A task's description in a multi-line edit. The model's text separates its
// lines with CR LF; the edit holds one paragraph per line.
#include <QString>

class QPlainTextEdit;

namespace fq {

// Shows text with a new line at every CR, LF or CR LF.
void ShowMemoText(QPlainTextEdit& memo, const QString& text);

// The lines of the edit, each line break (also one typed as Shift+Enter)
// written as CR LF; every other character exactly as it stands.
QString MemoText(const QPlainTextEdit& memo);

}  // namespace fq
