#include "RecordingDialogs.h"

namespace fq::test {

int RecordingDialogs::RunModal(QDialog& dialog) {
    calls << QStringLiteral("RunModal(%1)").arg(dialog.windowTitle());
    return onModal(dialog);
}

void RecordingDialogs::ShowMessage(QWidget*, const QString& text) { calls << QStringLiteral("ShowMessage(%1)").arg(text); }

bool RecordingDialogs::Confirm(QWidget*, const QString& title, const QString& question) {
    calls << QStringLiteral("Confirm(%1, %2)").arg(title, question);
    return confirmAnswer;
}

bool RecordingDialogs::InputQuery(QWidget*, const QString& caption, const QString& prompt, QString& value) {
    calls << QStringLiteral("InputQuery(%1, %2)").arg(caption, prompt);
    if (inputAccepted) value = inputText;
    return inputAccepted;
}

QString RecordingDialogs::BrowseForFolder(QWidget*, const QString& caption) {
    calls << QStringLiteral("BrowseForFolder(%1)").arg(caption);
    return chosenFolder;
}

QString RecordingDialogs::OpenFileName(QWidget*, const QString& caption) {
    calls << QStringLiteral("OpenFileName(%1)").arg(caption);
    return chosenFile;
}

void RecordingDialogs::OpenInShell(const QString& pathOrAddress) { calls << QStringLiteral("OpenInShell(%1)").arg(pathOrAddress); }

DialogsRecorder::DialogsRecorder() : dialogs_(std::make_shared<RecordingDialogs>()) { SetDialogs(dialogs_); }
DialogsRecorder::~DialogsRecorder() { SetDialogs(nullptr); }

}  // namespace fq::test
