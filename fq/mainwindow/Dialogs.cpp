#include "Dialogs.h"

#include <QDesktopServices>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace fq {
namespace {

class QtDialogs : public Dialogs {
public:
    int RunModal(QDialog& dialog) override { return dialog.exec(); }

    void ShowMessage(QWidget* parent, const QString& text) override {
        QMessageBox::information(parent, QApplication::applicationName(), text);
    }

    bool Confirm(QWidget* parent, const QString& title, const QString& question) override {
        QMessageBox box(QMessageBox::Question, title, question, QMessageBox::NoButton, parent);
        QPushButton* yes = box.addButton(QMessageBox::tr("&Yes"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QMessageBox::tr("&No"), QMessageBox::NoRole);
        box.setDefaultButton(yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes;
    }

    bool InputQuery(QWidget* parent, const QString& caption, const QString& prompt, QString& value) override {
        bool accepted = false;
        const QString text = QInputDialog::getText(parent, caption, prompt, QLineEdit::Normal, value, &accepted);
        if (accepted) value = text;
        return accepted;
    }

    QString BrowseForFolder(QWidget* parent, const QString& caption) override {
        return QFileDialog::getExistingDirectory(parent, caption);
    }

    QString OpenFileName(QWidget* parent, const QString& caption) override {
        return QFileDialog::getOpenFileName(parent, caption);
    }

    void OpenInShell(const QString& pathOrAddress) override {
        const QUrl url = pathOrAddress.contains(QLatin1Char(':')) && !QFileInfo::exists(pathOrAddress)
                             ? QUrl(pathOrAddress)
                             : QUrl::fromLocalFile(pathOrAddress);
        QDesktopServices::openUrl(url);
    }
};

std::shared_ptr<Dialogs>& Installed() {
    static std::shared_ptr<Dialogs> dialogs = std::make_shared<QtDialogs>();
    return dialogs;
}

}  // namespace

void SetDialogs(std::shared_ptr<Dialogs> dialogs) { Installed() = dialogs ? std::move(dialogs) : std::make_shared<QtDialogs>(); }

Dialogs& CurrentDialogs() { return *Installed(); }

}  // namespace fq
