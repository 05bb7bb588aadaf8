#pragma once
// The modal dialog "Task Properties": one task's name, progress, priority,
// start and end, and description, with the status picture of its priority
// and progress.
//
// Callers set TaskID, call LoadTask, show the dialog modally and call
// StoreTask when it was accepted. The dialog keeps only the identifier: both
// operations look the task up again, and do nothing when it is not there.
#include <QDialog>
#include <string>

#include "DateTimePickerPair.h"
#include "StatusPictureList.h"
#include "uProject.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSlider;
class QTimeEdit;

namespace fq {

class TfrmTask : public QDialog {
    Q_OBJECT
public:
    explicit TfrmTask(TSFProjectManager& manager, QWidget* parent = nullptr);

    void SetTaskID(const std::string& id);
    const std::string& TaskID() const;

    // Fills the controls from the task; an unknown TaskID leaves them as they are.
    void LoadTask();
    // Writes the controls into the task, progress before priority (each marks
    // the task's folders again), then saves the project file. Errors of the
    // marking and of the save reach the caller.
    void StoreTask();

    int ShownPriority() const;
    void SetShownPriority(int value);
    int ShownProgress() const;
    void SetShownProgress(int value);

    // Shows the status picture of priority and progress. A progress outside
    // 0..10 shows the nearer end; a priority outside 1..5 shows no picture.
    void UpdatePicture(int progress, int priority);
    // The status picture Image1 shows, or -1 when it shows none.
    int ShownPictureIndex() const;

    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLineEdit* edtName = nullptr;
    QSlider* TrackBar1 = nullptr;
    QComboBox* cbPriority = nullptr;
    QDateEdit* dtStart = nullptr;
    QTimeEdit* tmStart = nullptr;
    QDateEdit* dtEnd = nullptr;
    QTimeEdit* tmEnd = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* Button1 = nullptr;  // Cancel
    QPushButton* Button2 = nullptr;  // OK, the default button

public slots:
    // The bar moved: its hint tells the percentage, the picture follows.
    void TrackBar1Change();
    // The user picked a priority: the picture follows.
    void cbPriorityChange();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void SetUpWindow();
    void CreateControls();
    void SetTabOrder();
    void MoveToScreenCentre();
    TSFTask* FindTask();

    TSFProjectManager& manager_;
    std::string taskId_;
    int shownPriority_ = 0;
    int shownProgress_ = 0;
    int shownPictureIndex_ = -1;
    const StatusPictureList statusPictures_;
    DateTimePickerPair start_;
    DateTimePickerPair end_;
};

}  // namespace fq
