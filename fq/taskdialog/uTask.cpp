#include "uTask.h"

#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QSlider>
#include <QTimeEdit>
#include <algorithm>
#include <limits>

#include "MemoText.h"

namespace fq {
namespace {

constexpr int kClientWidth = 331;
constexpr int kClientHeight = 349;

// The small sans-serif face the fixed places of the controls were laid out
// for, or the nearest one at hand; any sans-serif face as the last resort.
QFont DialogFont() {
    QFont font;
    font.setFamilies({"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arial"});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

// Blank when nothing is left after removing white space and control
// characters from both ends.
bool IsBlankName(const QString& name) {
    return std::all_of(name.begin(), name.end(),
                       [](QChar c) { return c.isSpace() || c.category() == QChar::Other_Control; });
}

QString ProgressHint(int position) { return QString("%1 %").arg(position * 10); }

QLabel* MakeLabel(QWidget* parent, const QString& text, int left, int top) {
    auto* label = new QLabel(text, parent);
    label->move(left, top);
    label->adjustSize();
    return label;
}

}  // namespace

TfrmTask::TfrmTask(TSFProjectManager& manager, QWidget* parent)
    : QDialog(parent), manager_(manager), start_(this), end_(this) {
    SetUpWindow();
    CreateControls();
    SetTabOrder();
}

void TfrmTask::SetUpWindow() {
    setWindowTitle("Task Properties");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(kClientWidth, kClientHeight);
    setFont(DialogFont());
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
}

void TfrmTask::CreateControls() {
    Image1 = new QLabel(this);
    Image1->setGeometry(8, 16, 41, 41);

    Label1 = MakeLabel(this, "Task Name", 64, 24);
    Label2 = MakeLabel(this, "Progress", 64, 64);
    Label3 = MakeLabel(this, "Priority", 64, 128);
    Label4 = MakeLabel(this, "Start", 64, 160);
    Label5 = MakeLabel(this, "End", 64, 184);
    Label6 = MakeLabel(this, "Description", 64, 208);

    edtName = new QLineEdit(this);
    edtName->setGeometry(64, 40, 257, 21);
    edtName->setMaxLength(std::numeric_limits<int>::max());

    TrackBar1 = new QSlider(Qt::Horizontal, this);
    TrackBar1->setGeometry(64, 80, 257, 45);
    TrackBar1->setRange(0, kFullProgress);
    TrackBar1->setTickPosition(QSlider::TicksBelow);
    TrackBar1->setTickInterval(1);
    TrackBar1->setSingleStep(1);
    TrackBar1->setPageStep(2);
    connect(TrackBar1, &QSlider::valueChanged, this, &TfrmTask::TrackBar1Change);

    cbPriority = new QComboBox(this);
    cbPriority->setGeometry(104, 128, 217, 21);
    cbPriority->addItems({"Lowest", "Low", "Normal", "High", "Critical"});
    cbPriority->setCurrentIndex(2);
    // Only a pick by the user: assigning the index from the task must not run it.
    connect(cbPriority, &QComboBox::activated, this, &TfrmTask::cbPriorityChange);

    dtStart = start_.DatePicker();
    dtStart->setGeometry(104, 160, 113, 21);
    tmStart = start_.TimePicker();
    tmStart->setGeometry(224, 160, 97, 21);
    dtEnd = end_.DatePicker();
    dtEnd->setGeometry(104, 184, 113, 21);
    tmEnd = end_.TimePicker();
    tmEnd->setGeometry(224, 184, 97, 21);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setGeometry(64, 224, 257, 89);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setTabChangesFocus(true);

    // Enter presses OK, except on a focused Cancel, which it presses as
    // buttons of any dialog do.
    Button1 = new QPushButton("Cancel", this);
    Button1->setGeometry(248, 320, 75, 25);
    connect(Button1, &QPushButton::clicked, this, &QDialog::reject);

    Button2 = new QPushButton("OK", this);
    Button2->setGeometry(168, 320, 75, 25);
    Button2->setDefault(true);
    connect(Button2, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmTask::SetTabOrder() {
    QWidget* const order[] = {edtName, TrackBar1, cbPriority, dtStart, tmStart, dtEnd, tmEnd, Memo1, Button1, Button2};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);
}

void TfrmTask::SetTaskID(const std::string& id) { taskId_ = id; }

const std::string& TfrmTask::TaskID() const { return taskId_; }

TSFTask* TfrmTask::FindTask() {
    std::string projectId;
    if (!manager_.FindTaskProject(taskId_, projectId)) return nullptr;
    TSFProject& project = manager_.Projects.Items(manager_.Projects.IndexOfProjectOrTask(projectId));
    return &project.Tasks.Items(project.Tasks.IndexOfTask(taskId_));
}

void TfrmTask::LoadTask() {
    const TSFTask* task = FindTask();
    if (task == nullptr) return;
    // The bar keeps within its range; moving it runs TrackBar1Change, which
    // sets the hint and draws a picture that the last step replaces.
    TrackBar1->setValue(task->Progress);
    const int item = task->Priority - 1;
    cbPriority->setCurrentIndex(item >= 0 && item < cbPriority->count() ? item : -1);
    edtName->setText(QString::fromStdString(task->TaskName));
    ShowMemoText(*Memo1, QString::fromStdString(task->Description));
    start_.Show(task->StartDate);
    end_.Show(task->EndDate);
    shownPriority_ = task->Priority;
    shownProgress_ = task->Progress;
    UpdatePicture(shownProgress_, shownPriority_);
}

void TfrmTask::StoreTask() {
    TSFTask* task = FindTask();
    if (task == nullptr) return;
    task->SetProgress(TrackBar1->value());
    // With nothing selected this is 0, which leaves the priority as it was.
    task->SetPriority(cbPriority->currentIndex() + 1);
    const QString name = edtName->text();
    if (!IsBlankName(name)) task->SetTaskName(name.toStdString());
    task->SetDescription(MemoText(*Memo1).toStdString());
    task->SetStartDate(start_.Value());
    task->SetEndDate(end_.Value());
    manager_.Save();
}

int TfrmTask::ShownPriority() const { return shownPriority_; }

void TfrmTask::SetShownPriority(int value) {
    shownPriority_ = value;
    UpdatePicture(shownProgress_, shownPriority_);
}

int TfrmTask::ShownProgress() const { return shownProgress_; }

void TfrmTask::SetShownProgress(int value) {
    shownProgress_ = value;
    UpdatePicture(shownProgress_, shownPriority_);
}

void TfrmTask::UpdatePicture(int progress, int priority) {
    if (priority < kLowestPriority || priority > kHighestPriority) {
        Image1->clear();
        shownPictureIndex_ = -1;
        return;
    }
    shownPictureIndex_ = StatusIconIndex(priority, std::clamp(progress, 0, kFullProgress));
    const QPixmap& picture = statusPictures_.Picture(shownPictureIndex_);
    Image1->setPixmap(picture);
    Image1->resize(picture.size());
}

int TfrmTask::ShownPictureIndex() const { return shownPictureIndex_; }

void TfrmTask::TrackBar1Change() {
    const int position = TrackBar1->value();
    TrackBar1->setToolTip(ProgressHint(position));
    SetShownProgress(position);
}

void TfrmTask::cbPriorityChange() { SetShownPriority(cbPriority->currentIndex() + 1); }

void TfrmTask::keyPressEvent(QKeyEvent* event) {
    // Escape does not cancel: only the Cancel button and the close box do.
    if (event->matches(QKeySequence::Cancel)) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TfrmTask::showEvent(QShowEvent* event) {
    // Once placed here, QDialog keeps the place instead of centring the
    // dialog over its parent.
    if (!event->spontaneous()) MoveToScreenCentre();
    QDialog::showEvent(event);
}

void TfrmTask::MoveToScreenCentre() {
    const QScreen* where = parentWidget() != nullptr ? parentWidget()->screen() : screen();
    move(where->availableGeometry().center() - rect().center());
}

}  // namespace fq
