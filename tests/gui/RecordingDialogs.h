#pragma once
// Dialogs that show nothing: every call is recorded, in order, and answered
// as the test says. Installed for the life of the object.
#include <QDialog>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

#include "Dialogs.h"

namespace fq::test {

class RecordingDialogs : public Dialogs {
public:
    int RunModal(QDialog& dialog) override;
    void ShowMessage(QWidget* parent, const QString& text) override;
    bool Confirm(QWidget* parent, const QString& title, const QString& question) override;
    bool InputQuery(QWidget* parent, const QString& caption, const QString& prompt, QString& value) override;
    QString BrowseForFolder(QWidget* parent, const QString& caption) override;
    QString OpenFileName(QWidget* parent, const QString& caption) override;
    void OpenInShell(const QString& pathOrAddress) override;

    QStringList calls;
    // How a modal dialog is answered: it may change the dialog's controls.
    std::function<int(QDialog&)> onModal = [](QDialog&) { return int(QDialog::Rejected); };
    bool confirmAnswer = true;
    bool inputAccepted = true;
    QString inputText;
    QString chosenFolder;
    QString chosenFile;
};

class DialogsRecorder {
public:
    DialogsRecorder();
    ~DialogsRecorder();
    RecordingDialogs* operator->() { return dialogs_.get(); }
    RecordingDialogs& operator*() { return *dialogs_; }

private:
    std::shared_ptr<RecordingDialogs> dialogs_;
};

}  // namespace fq::test
