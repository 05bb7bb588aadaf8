#pragma once
// Every modal question the main window asks, and every hand-over to the
// desktop, goes through this one interface, so that tests can answer them.
#include <QString>

#include <memory>

class QDialog;
class QWidget;

namespace fq {

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Shows the dialog modally; QDialog::Accepted or QDialog::Rejected.
    virtual int RunModal(QDialog& dialog) = 0;
    // A box with one sentence and an OK button.
    virtual void ShowMessage(QWidget* parent, const QString& text) = 0;
    // A Yes/No question; true for Yes.
    virtual bool Confirm(QWidget* parent, const QString& title, const QString& question) = 0;
    // An input box; false when cancelled, else value holds what was typed.
    virtual bool InputQuery(QWidget* parent, const QString& caption, const QString& prompt, QString& value) = 0;
    // A folder browser and a file-open dialog; empty when cancelled.
    virtual QString BrowseForFolder(QWidget* parent, const QString& caption) = 0;
    virtual QString OpenFileName(QWidget* parent, const QString& caption) = 0;
    // Opens a file, folder or address with the desktop's own program for it.
    virtual void OpenInShell(const QString& pathOrAddress) = 0;
};

// The dialogs in use; nullptr restores the real ones.
void SetDialogs(std::shared_ptr<Dialogs> dialogs);
Dialogs& CurrentDialogs();

}  // namespace fq
