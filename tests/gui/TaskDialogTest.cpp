// The task properties dialog, driven through its controls and slots with a
// plan whose project file lies in a temporary folder and whose folder marks
// are recorded instead of written.
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QTimeEdit>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "DateTime.h"
#include "GuiTestMain.h"
#include "RecordingFolderMarker.h"
#include "StatusIcons.h"
#include "StatusPictureList.h"
#include "TempFolder.h"
#include "Utf8Path.h"
#include "uProject.h"
#include "uTask.h"

Q_DECLARE_METATYPE(std::string)

namespace QTest {
template <>
inline char* toString(const std::string& text) {
    return qstrdup(text.c_str());
}
template <>
inline char* toString(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += "\n  " + line;
    return qstrdup(text.c_str());
}
}  // namespace QTest

namespace fq {
namespace {

TDateTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return EncodeDateTime({year, month, day, hour, minute, second, 0});
}

// Compares date-times bit for bit: QCOMPARE would forgive a few milliseconds.
bool SameValue(TDateTime stored, TDateTime expected, QByteArray& message) {
    message = QByteArray::number(stored, 'g', 17) + " instead of " + QByteArray::number(expected, 'g', 17);
    return stored == expected;
}

#define QCOMPARE_DATETIME(stored, expected)                                   \
    do {                                                                     \
        QByteArray message;                                                  \
        QVERIFY2(SameValue((stored), (expected), message), message.data()); \
    } while (false)

// One project with one task holding two folders, saved to nowhere yet.
struct Plan {
    Plan() {
        manager.FileName = disk / "Fennquill.xml";
        projectId = manager.AddProject("Website");
        taskId = Project().AddTask("Draft", "");
        TSFTask& task = Task();
        task.TaskName = "Draft";
        task.Progress = 2;
        task.Priority = 3;
        task.Description = "first line";
        task.StartDate = At(2024, 5, 6, 9, 15);
        task.EndDate = At(2024, 5, 20, 17, 0);
        folderA = disk.MakeFolder("a");
        folderB = disk.MakeFolder("b");
        task.AddFolder(folderA, "a");
        task.AddFolder(folderB, "b");
        marker->calls.clear();
    }

    TSFProject& Project() { return manager.Projects.Items(manager.Projects.IndexOfProjectOrTask(projectId)); }
    TSFTask& Task() { return Project().Tasks.Items(Project().Tasks.IndexOfTask(taskId)); }

    // The folder marks of one marking pass over the task's folders.
    std::vector<std::string> MarkingPass(int priority, int progress) const {
        return {test::SetIconCall(folderA, taskId, priority, progress),
                test::SetIconCall(folderB, taskId, priority, progress)};
    }

    bool FileSaved() const { return std::filesystem::exists(test::PathFromUtf8(manager.FileName)); }

    test::TempFolder disk;
    test::MarkerRecorder marker;
    TSFProjectManager manager;
    std::string projectId;
    std::string taskId;
    std::string folderA;
    std::string folderB;
};

// What the caller does after the dialog closed with OK.
void PressOkAndStore(TfrmTask& dialog) {
    dialog.Button2->click();
    dialog.StoreTask();
}

QWidget* Control(TfrmTask& dialog, const QByteArray& name) {
    const std::vector<std::pair<QByteArray, QWidget*>> controls = {
        {"Image1", dialog.Image1},     {"Label1", dialog.Label1},   {"Label2", dialog.Label2},
        {"Label3", dialog.Label3},     {"Label4", dialog.Label4},   {"Label5", dialog.Label5},
        {"Label6", dialog.Label6},     {"edtName", dialog.edtName}, {"TrackBar1", dialog.TrackBar1},
        {"cbPriority", dialog.cbPriority}, {"dtStart", dialog.dtStart}, {"tmStart", dialog.tmStart},
        {"dtEnd", dialog.dtEnd},       {"tmEnd", dialog.tmEnd},     {"Memo1", dialog.Memo1},
        {"Button1", dialog.Button1},   {"Button2", dialog.Button2}};
    for (const auto& [controlName, control] : controls)
        if (controlName == name) return control;
    return nullptr;
}

}  // namespace

class TaskDialogTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Plan> plan;

    std::unique_ptr<TfrmTask> OpenDialog(const std::string& taskId) {
        auto dialog = std::make_unique<TfrmTask>(plan->manager);
        dialog->SetTaskID(taskId);
        dialog->LoadTask();
        return dialog;
    }
    std::unique_ptr<TfrmTask> OpenDialog() { return OpenDialog(plan->taskId); }

private slots:
    void init() { plan = std::make_unique<Plan>(); }
    void cleanup() { plan.reset(); }

    void windowIsAFixedDialogWithACloseBoxOnly() {
        TfrmTask dialog(plan->manager);
        QCOMPARE(dialog.windowTitle(), QString("Task Properties"));
        QCOMPARE(dialog.size(), QSize(331, 349));
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        const Qt::WindowFlags flags = dialog.windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowContextHelpButtonHint));
        QCOMPARE(dialog.palette().color(QPalette::Window), QColor(Qt::white));
        QVERIFY(dialog.Button2->isDefault());
    }

    void controlsSitInTheirPlaces_data() {
        QTest::addColumn<QByteArray>("control");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("place");  // an empty size: the label sizes itself
        QTest::newRow("Label1") << QByteArray("Label1") << "Task Name" << QRect(64, 24, 0, 0);
        QTest::newRow("Label2") << QByteArray("Label2") << "Progress" << QRect(64, 64, 0, 0);
        QTest::newRow("Label3") << QByteArray("Label3") << "Priority" << QRect(64, 128, 0, 0);
        QTest::newRow("Label4") << QByteArray("Label4") << "Start" << QRect(64, 160, 0, 0);
        QTest::newRow("Label5") << QByteArray("Label5") << "End" << QRect(64, 184, 0, 0);
        QTest::newRow("Label6") << QByteArray("Label6") << "Description" << QRect(64, 208, 0, 0);
        QTest::newRow("edtName") << QByteArray("edtName") << QString() << QRect(64, 40, 257, 21);
        QTest::newRow("TrackBar1") << QByteArray("TrackBar1") << QString() << QRect(64, 80, 257, 45);
        QTest::newRow("cbPriority") << QByteArray("cbPriority") << QString() << QRect(104, 128, 217, 21);
        QTest::newRow("dtStart") << QByteArray("dtStart") << QString() << QRect(104, 160, 113, 21);
        QTest::newRow("tmStart") << QByteArray("tmStart") << QString() << QRect(224, 160, 97, 21);
        QTest::newRow("dtEnd") << QByteArray("dtEnd") << QString() << QRect(104, 184, 113, 21);
        QTest::newRow("tmEnd") << QByteArray("tmEnd") << QString() << QRect(224, 184, 97, 21);
        QTest::newRow("Memo1") << QByteArray("Memo1") << QString() << QRect(64, 224, 257, 89);
        QTest::newRow("Button1") << QByteArray("Button1") << "Cancel" << QRect(248, 320, 75, 25);
        QTest::newRow("Button2") << QByteArray("Button2") << "OK" << QRect(168, 320, 75, 25);
    }

    void controlsSitInTheirPlaces() {
        QFETCH(QByteArray, control);
        QFETCH(QString, caption);
        QFETCH(QRect, place);
        TfrmTask dialog(plan->manager);
        QWidget* widget = Control(dialog, control);
        QVERIFY(widget != nullptr);
        QCOMPARE(widget->pos(), place.topLeft());
        if (!place.size().isEmpty()) QCOMPARE(widget->size(), place.size());
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            QCOMPARE(label->text(), caption);
            QVERIFY(label->width() >= label->sizeHint().width());
        }
        if (auto* button = qobject_cast<QPushButton*>(widget)) QCOMPARE(button->text(), caption);
    }

    void opensCentredOnTheScreenEvenOverAWindow() {
        QWidget mainWindow;
        mainWindow.setGeometry(0, 0, 200, 150);
        mainWindow.show();
        TfrmTask dialog(plan->manager, &mainWindow);
        dialog.show();
        const QPoint screenCentre = dialog.screen()->availableGeometry().center();
        const QPoint dialogCentre = dialog.geometry().center();
        // The window frame, unknown before the window is shown, shifts the
        // client area a little.
        QVERIFY2(std::abs(dialogCentre.x() - screenCentre.x()) <= 10 && std::abs(dialogCentre.y() - screenCentre.y()) <= 10,
                 qPrintable(QString("dialog centre %1,%2, screen centre %3,%4")
                                .arg(dialogCentre.x()).arg(dialogCentre.y()).arg(screenCentre.x()).arg(screenCentre.y())));
    }

    void tabWalksTheControlsInOrder() {
        TfrmTask dialog(plan->manager);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        const std::vector<QWidget*> order = {dialog.edtName, dialog.TrackBar1, dialog.cbPriority, dialog.dtStart,
                                             dialog.tmStart, dialog.dtEnd,     dialog.tmEnd,      dialog.Memo1,
                                             dialog.Button1, dialog.Button2,   dialog.edtName};
        QCOMPARE(QApplication::focusWidget(), dialog.edtName);
        for (std::size_t i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* focus = QApplication::focusWidget();
            QVERIFY2(focus == order[i] || order[i]->isAncestorOf(focus), qPrintable(QString("step %1").arg(i)));
        }
    }

    void controlsStartWithTheirDesignedValues() {
        TfrmTask dialog(plan->manager);
        QCOMPARE(dialog.TrackBar1->minimum(), 0);
        QCOMPARE(dialog.TrackBar1->maximum(), 10);
        QCOMPARE(dialog.TrackBar1->tickInterval(), 1);
        QVERIFY(dialog.TrackBar1->tickPosition() != QSlider::NoTicks);
        QCOMPARE(dialog.cbPriority->count(), 5);
        const QStringList items = {"Lowest", "Low", "Normal", "High", "Critical"};
        for (int i = 0; i < items.size(); ++i) QCOMPARE(dialog.cbPriority->itemText(i), items[i]);
        QVERIFY(!dialog.cbPriority->isEditable());
        QCOMPARE(dialog.cbPriority->currentText(), QString("Normal"));
        QCOMPARE(dialog.ShownPriority(), 0);
        QCOMPARE(dialog.ShownProgress(), 0);
        QCOMPARE(dialog.ShownPictureIndex(), -1);
        // A name of any length is kept whole.
        const QString longName(100000, QChar('n'));
        dialog.edtName->setText(longName);
        QCOMPARE(dialog.edtName->text(), longName);
    }

    void arrowsMoveTheBarOneStepAndPagesTwo() {
        auto dialog = OpenDialog();
        QTest::keyClick(dialog->TrackBar1, Qt::Key_Right);
        QCOMPARE(dialog->TrackBar1->value(), 3);
        QTest::keyClick(dialog->TrackBar1, Qt::Key_PageUp);
        QCOMPARE(dialog->TrackBar1->value(), 5);
        QCOMPARE(dialog->TrackBar1->toolTip(), QString("50 %"));
    }

    void loadFillsEveryControl() {
        TSFTask& task = plan->Task();
        task.Progress = 6;
        task.Priority = 4;
        task.StartDate = At(2025, 3, 12, 8, 30, 15);
        task.EndDate = At(2025, 4, 1, 17, 0);
        auto dialog = OpenDialog();
        QCOMPARE(dialog->edtName->text(), QString("Draft"));
        QCOMPARE(dialog->TrackBar1->value(), 6);
        QCOMPARE(dialog->TrackBar1->toolTip(), QString("60 %"));
        QCOMPARE(dialog->cbPriority->currentText(), QString("High"));
        QCOMPARE(dialog->dtStart->date(), QDate(2025, 3, 12));
        QCOMPARE(dialog->tmStart->time(), QTime(8, 30, 15));
        QCOMPARE(dialog->dtEnd->date(), QDate(2025, 4, 1));
        QCOMPARE(dialog->tmEnd->time(), QTime(17, 0));
        QCOMPARE(dialog->Memo1->toPlainText(), QString("first line"));
        QCOMPARE(dialog->ShownPriority(), 4);
        QCOMPARE(dialog->ShownProgress(), 6);
        QCOMPARE(dialog->ShownPictureIndex(), StatusIconIndex(4, 6));
        QCOMPARE(plan->marker->calls, std::vector<std::string>{});
        QVERIFY(!plan->FileSaved());
    }

    void shownPictureIsTheEmbeddedOne() {
        auto dialog = OpenDialog();
        const int index = StatusIconIndex(3, 2);
        QCOMPARE(dialog->ShownPictureIndex(), index);
        const QImage shown = dialog->Image1->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage embedded = QImage(StatusPictureList::ResourcePath(index)).convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!embedded.isNull());
        QCOMPARE(shown, embedded);
        QCOMPARE(embedded, StatusIconImage(index, 32).convertToFormat(QImage::Format_ARGB32));
        QCOMPARE(dialog->Image1->size(), QSize(32, 32));
    }

    void movingTheBarSetsTheHintAndPicture() {
        plan->Task().Progress = 0;
        plan->Task().Priority = 2;
        auto dialog = OpenDialog();
        QCOMPARE(dialog->TrackBar1->toolTip(), QString());
        QCOMPARE(dialog->ShownPictureIndex(), StatusIconIndex(2, 0));
        dialog->TrackBar1->setValue(3);
        QCOMPARE(dialog->TrackBar1->toolTip(), QString("30 %"));
        QCOMPARE(dialog->ShownProgress(), 3);
        QCOMPARE(dialog->ShownPictureIndex(), StatusIconIndex(2, 3));
        QCOMPARE(plan->Task().Progress, 0);
    }

    void pickingAPriorityShowsItsPicture_data() {
        QTest::addColumn<int>("progress");
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("picture");
        QTest::newRow("Critical at 0 %") << 0 << 4 << 44;
        QTest::newRow("Critical at 70 %") << 7 << 4 << 51;
        QTest::newRow("Lowest at 70 %") << 7 << 0 << 7;
        QTest::newRow("Lowest at 100 %") << 10 << 0 << 10;
        QTest::newRow("High at 50 %") << 5 << 3 << 38;
    }

    void pickingAPriorityShowsItsPicture() {
        QFETCH(int, progress);
        QFETCH(int, item);
        QFETCH(int, picture);
        plan->Task().Progress = progress;
        auto dialog = OpenDialog();
        dialog->cbPriority->setCurrentIndex(item);
        dialog->cbPriorityChange();
        QCOMPARE(dialog->ShownPriority(), item + 1);
        QCOMPARE(dialog->ShownPictureIndex(), picture);
        QCOMPARE(plan->Task().Priority, 3);
    }

    void aPriorityPickedByKeyboardRedrawsThePicture() {
        plan->Task().Progress = 4;
        auto dialog = OpenDialog();
        // Assigning the item in code, as loading does, is no pick.
        dialog->cbPriority->setCurrentIndex(1);
        QCOMPARE(dialog->ShownPriority(), 3);
        QCOMPARE(dialog->ShownPictureIndex(), StatusIconIndex(3, 4));
        QTest::keyClick(dialog->cbPriority, Qt::Key_End);
        QCOMPARE(dialog->cbPriority->currentText(), QString("Critical"));
        QCOMPARE(dialog->ShownPictureIndex(), 44 + 4);
        QTest::keyClick(dialog->cbPriority, Qt::Key_Home);
        QCOMPARE(dialog->ShownPictureIndex(), 0 + 4);
    }

    void picturesOutsideTheRanges_data() {
        QTest::addColumn<int>("progress");
        QTest::addColumn<int>("priority");
        QTest::addColumn<int>("picture");
        QTest::newRow("first") << 0 << 1 << 0;
        QTest::newRow("last") << 10 << 5 << 54;
        QTest::newRow("progress above 10: the full one") << 12 << 2 << 21;
        QTest::newRow("progress below 0: the empty one") << -1 << 2 << 11;
        QTest::newRow("priority 0: none") << 3 << 0 << -1;
        QTest::newRow("priority 6: none") << 3 << 6 << -1;
    }

    void picturesOutsideTheRanges() {
        QFETCH(int, progress);
        QFETCH(int, priority);
        QFETCH(int, picture);
        auto dialog = OpenDialog();
        dialog->UpdatePicture(progress, priority);
        QCOMPARE(dialog->ShownPictureIndex(), picture);
        QCOMPARE(dialog->Image1->pixmap().isNull(), picture < 0);
    }

    void shownValuesRedrawWhenAssigned() {
        auto dialog = OpenDialog();
        dialog->SetShownPriority(5);
        QCOMPARE(dialog->ShownPictureIndex(), StatusIconIndex(5, 2));
        dialog->SetShownProgress(9);
        QCOMPARE(dialog->ShownPictureIndex(), StatusIconIndex(5, 9));
        QCOMPARE(dialog->ShownProgress(), 9);
    }

    void progressOutsideTheRangeShowsAndStoresTheNearestEnd_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("shown");
        QTest::addColumn<QString>("hint");
        QTest::newRow("20") << 20 << 10 << "100 %";
        QTest::newRow("11") << 11 << 10 << "100 %";
        QTest::newRow("-3") << -3 << 0 << "";
    }

    void progressOutsideTheRangeShowsAndStoresTheNearestEnd() {
        QFETCH(int, stored);
        QFETCH(int, shown);
        QFETCH(QString, hint);
        plan->Task().Progress = stored;
        auto dialog = OpenDialog();
        QCOMPARE(dialog->TrackBar1->value(), shown);
        QCOMPARE(dialog->TrackBar1->toolTip(), hint);
        QCOMPARE(dialog->ShownPictureIndex(), StatusIconIndex(3, shown));
        PressOkAndStore(*dialog);
        QCOMPARE(plan->Task().Progress, shown);
    }

    void priorityOutsideTheRangeSelectsNothingAndIsKept_data() {
        QTest::addColumn<int>("stored");
        QTest::newRow("0") << 0;
        QTest::newRow("6") << 6;
        QTest::newRow("-1") << -1;
    }

    void priorityOutsideTheRangeSelectsNothingAndIsKept() {
        QFETCH(int, stored);
        plan->Task().Priority = stored;
        auto dialog = OpenDialog();
        QCOMPARE(dialog->cbPriority->currentIndex(), -1);
        QCOMPARE(dialog->ShownPictureIndex(), -1);
        QVERIFY(dialog->Image1->pixmap().isNull());
        PressOkAndStore(*dialog);
        QCOMPARE(plan->Task().Priority, stored);
        // Only the progress marks the folders; the rejected priority does not.
        QCOMPARE(plan->marker->calls, plan->MarkingPass(stored, 2));
        QVERIFY(plan->FileSaved());
    }

    void okMarksTwiceProgressFirstAndSaves_data() {
        QTest::addColumn<int>("progress");
        QTest::addColumn<int>("item");
        QTest::newRow("changed") << 7 << 4;
        QTest::newRow("unchanged") << 2 << 2;
    }

    void okMarksTwiceProgressFirstAndSaves() {
        QFETCH(int, progress);
        QFETCH(int, item);
        auto dialog = OpenDialog();
        dialog->TrackBar1->setValue(progress);
        dialog->cbPriority->setCurrentIndex(item);
        dialog->cbPriorityChange();
        dialog->edtName->setText("Final draft");
        dialog->Button2->click();
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QVERIFY(!dialog->isVisible());
        dialog->StoreTask();

        std::vector<std::string> expected = plan->MarkingPass(3, progress);
        for (const std::string& call : plan->MarkingPass(item + 1, progress)) expected.push_back(call);
        QCOMPARE(plan->marker->calls, expected);

        TSFProjectManager reread;
        reread.FileName = plan->manager.FileName;
        reread.Load();
        std::string projectId;
        QVERIFY(reread.FindTaskProject(plan->taskId, projectId));
        TSFProject& project = reread.Projects.Items(reread.Projects.IndexOfProjectOrTask(projectId));
        const TSFTask& saved = project.Tasks.Items(project.Tasks.IndexOfTask(plan->taskId));
        QCOMPARE(saved.TaskName, std::string("Final draft"));
        QCOMPARE(saved.Progress, progress);
        QCOMPARE(saved.Priority, item + 1);
        QCOMPARE(saved.Description, std::string("first line"));
    }

    void aBlankNameKeepsTheOldOne_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<std::string>("stored");
        QTest::newRow("cleared") << "" << std::string("Draft");
        QTest::newRow("only spaces") << "   " << std::string("Draft");
        QTest::newRow("tabs and control characters") << "\t\x01 \x7f" << std::string("Draft");
        QTest::newRow("surrounded by spaces") << "  New name  " << std::string("  New name  ");
        QTest::newRow("non-ASCII") << QString::fromUtf8("Übersicht") << std::string("Übersicht");
    }

    void aBlankNameKeepsTheOldOne() {
        QFETCH(QString, typed);
        QFETCH(std::string, stored);
        auto dialog = OpenDialog();
        dialog->edtName->setText(typed);
        PressOkAndStore(*dialog);
        QCOMPARE(plan->Task().TaskName, stored);
    }

    void descriptionLineBreaksAreStoredAsCrLf_data() {
        QTest::addColumn<std::string>("loaded");
        QTest::addColumn<std::string>("stored");
        QTest::newRow("LF") << std::string("one\ntwo\n") << std::string("one\r\ntwo\r\n");
        QTest::newRow("CR") << std::string("one\rtwo") << std::string("one\r\ntwo");
        QTest::newRow("CR LF") << std::string("one\r\ntwo") << std::string("one\r\ntwo");
        QTest::newRow("LF CR is two") << std::string("one\n\rtwo") << std::string("one\r\n\r\ntwo");
        QTest::newRow("empty lines") << std::string("\n\none") << std::string("\r\n\r\none");
        QTest::newRow("no-break space and tab") << std::string("a\u00a0b\tc") << std::string("a\u00a0b\tc");
    }

    void descriptionLineBreaksAreStoredAsCrLf() {
        QFETCH(std::string, loaded);
        QFETCH(std::string, stored);
        plan->Task().Description = loaded;
        auto dialog = OpenDialog();
        PressOkAndStore(*dialog);
        QCOMPARE(plan->Task().Description, stored);
    }

    void linesTypedInTheMemoAreStoredWithCrLf() {
        auto dialog = OpenDialog();
        dialog->Memo1->moveCursor(QTextCursor::End);
        QTest::keyClick(dialog->Memo1, Qt::Key_Return);
        QTest::keyClicks(dialog->Memo1, "second");
        QTest::keyClick(dialog->Memo1, Qt::Key_Return, Qt::ShiftModifier);
        QTest::keyClicks(dialog->Memo1, "third");
        PressOkAndStore(*dialog);
        QCOMPARE(plan->Task().Description, std::string("first line\r\nsecond\r\nthird"));
    }

    void startAndEndJoinDateAndTimeOfDay() {
        auto dialog = OpenDialog();
        dialog->dtStart->setDate(QDate(2025, 3, 12));
        dialog->tmStart->setTime(QTime(8, 30));
        dialog->dtEnd->setDate(QDate(2025, 3, 1));
        dialog->tmEnd->setTime(QTime(17, 45));
        PressOkAndStore(*dialog);
        QCOMPARE_DATETIME(plan->Task().StartDate, At(2025, 3, 12, 8, 30));
        // An end before the start is taken as it stands.
        QCOMPARE_DATETIME(plan->Task().EndDate, At(2025, 3, 1, 17, 45));
    }

    void datesBeforeThe20thCenturyAreJoinedByCalendar() {
        auto dialog = OpenDialog();
        dialog->dtStart->setDate(QDate(1850, 7, 4));
        dialog->tmStart->setTime(QTime(18, 0));
        PressOkAndStore(*dialog);
        QCOMPARE_DATETIME(plan->Task().StartDate, At(1850, 7, 4, 18, 0));
        QCOMPARE(DecodeDateTime(plan->Task().StartDate)->hour, 18);
    }

    void pickersHoldEveryDateTheyCanShow_data() {
        QTest::addColumn<TDateTime>("value");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QTime>("time");
        QTest::newRow("year 100") << At(100, 1, 1, 6, 0) << QDate(100, 1, 1) << QTime(6, 0);
        QTest::newRow("year 9999") << At(9999, 12, 31, 23, 59, 59) << QDate(9999, 12, 31) << QTime(23, 59, 59);
        QTest::newRow("1752, before the Gregorian switch in Britain")
            << At(1752, 9, 3, 12, 0) << QDate(1752, 9, 3) << QTime(12, 0);
        QTest::newRow("the model's day 0") << 0.0 << QDate(1899, 12, 30) << QTime(0, 0);
    }

    void pickersHoldEveryDateTheyCanShow() {
        QFETCH(TDateTime, value);
        QFETCH(QDate, date);
        QFETCH(QTime, time);
        plan->Task().StartDate = value;
        auto dialog = OpenDialog();
        QCOMPARE(dialog->dtStart->date(), date);
        QCOMPARE(dialog->tmStart->time(), time);
        // Changing the time and back makes the date picker's date count.
        dialog->tmStart->setTime(time.addSecs(60));
        dialog->tmStart->setTime(time);
        PressOkAndStore(*dialog);
        QCOMPARE_DATETIME(plan->Task().StartDate, value);
    }

    void datesThePickersCannotShowAreKeptUntilChanged_data() {
        QTest::addColumn<TDateTime>("value");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QTime>("time");
        QTest::newRow("year 50") << At(50, 6, 1, 10, 0) << QDate(100, 1, 1) << QTime(10, 0);
        QTest::newRow("year 1") << At(1, 1, 1) << QDate(100, 1, 1) << QTime(0, 0);
        QTest::newRow("before year 1") << -700000.0 << QDate(100, 1, 1) << QTime(0, 0);
        QTest::newRow("after year 9999") << 3000000.0 << QDate(9999, 12, 31) << QTime(23, 59, 59, 999);
        QTest::newRow("a fraction of a millisecond")
            << At(2025, 3, 12, 8, 30) + 1e-10 << QDate(2025, 3, 12) << QTime(8, 30);
    }

    void datesThePickersCannotShowAreKeptUntilChanged() {
        QFETCH(TDateTime, value);
        QFETCH(QDate, date);
        QFETCH(QTime, time);
        plan->Task().StartDate = value;
        plan->Task().EndDate = value;
        auto dialog = OpenDialog();
        QCOMPARE(dialog->dtStart->date(), date);
        QCOMPARE(dialog->tmStart->time(), time);
        dialog->tmEnd->setTime(QTime(12, 0));
        PressOkAndStore(*dialog);
        QCOMPARE_DATETIME(plan->Task().StartDate, value);
        QCOMPARE_DATETIME(plan->Task().EndDate,
                          EncodeDateTime({date.year(), date.month(), date.day(), 12, 0, 0, 0}));
    }

    void anUnknownTaskLeavesTheDialogAndThePlanAlone_data() {
        QTest::addColumn<std::string>("taskId");
        QTest::newRow("unknown") << NewIdentifier();
        QTest::newRow("empty") << std::string();
        QTest::newRow("a project's identifier") << std::string("project");
    }

    void anUnknownTaskLeavesTheDialogAndThePlanAlone() {
        QFETCH(std::string, taskId);
        if (taskId == "project") taskId = plan->projectId;
        const QDate before = QDate::currentDate();
        auto dialog = OpenDialog(taskId);
        QCOMPARE(dialog->TaskID(), taskId);
        QCOMPARE(dialog->edtName->text(), QString());
        QCOMPARE(dialog->TrackBar1->value(), 0);
        QCOMPARE(dialog->TrackBar1->toolTip(), QString());
        QCOMPARE(dialog->cbPriority->currentText(), QString("Normal"));
        QVERIFY(dialog->dtStart->date() >= before && dialog->dtStart->date() <= QDate::currentDate());
        QCOMPARE(dialog->Memo1->toPlainText(), QString());
        QCOMPARE(dialog->ShownPictureIndex(), -1);

        dialog->edtName->setText("Other");
        dialog->TrackBar1->setValue(9);
        PressOkAndStore(*dialog);
        QCOMPARE(plan->marker->calls, std::vector<std::string>{});
        QVERIFY(!plan->FileSaved());
        QCOMPARE(plan->Task().TaskName, std::string("Draft"));
        QCOMPARE(plan->Task().Progress, 2);
    }

    void aTaskDeletedWhileTheDialogIsOpenIsNotWritten() {
        auto dialog = OpenDialog();
        plan->Project().DeleteTask(plan->taskId);
        plan->marker->calls.clear();
        PressOkAndStore(*dialog);
        QCOMPARE(plan->marker->calls, std::vector<std::string>{});
        QVERIFY(!plan->FileSaved());
    }

    void cancellingLeavesTaskFileAndFoldersUntouched_data() {
        QTest::addColumn<bool>("byCloseBox");
        QTest::newRow("Cancel") << false;
        QTest::newRow("close box") << true;
    }

    void cancellingLeavesTaskFileAndFoldersUntouched() {
        QFETCH(bool, byCloseBox);
        plan->manager.Save();
        const std::string fileBefore = test::ReadBytes(plan->manager.FileName);
        auto dialog = OpenDialog();
        QSignalSpy finished(dialog.get(), &QDialog::finished);
        dialog->show();
        dialog->edtName->setText("Changed");
        dialog->TrackBar1->setValue(9);
        dialog->cbPriority->setCurrentIndex(0);
        dialog->cbPriorityChange();
        dialog->dtStart->setDate(QDate(2030, 1, 1));
        dialog->tmStart->setTime(QTime(1, 2));
        dialog->dtEnd->setDate(QDate(2030, 1, 2));
        dialog->tmEnd->setTime(QTime(3, 4));
        dialog->Memo1->setPlainText("changed");
        if (byCloseBox)
            QVERIFY(dialog->close());
        else
            dialog->Button1->click();
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).toInt(), int(QDialog::Rejected));
        QVERIFY(!dialog->isVisible());

        const TSFTask& task = plan->Task();
        QCOMPARE(task.TaskName, std::string("Draft"));
        QCOMPARE(task.Progress, 2);
        QCOMPARE(task.Priority, 3);
        QCOMPARE(task.Description, std::string("first line"));
        QCOMPARE_DATETIME(task.StartDate, At(2024, 5, 6, 9, 15));
        QCOMPARE_DATETIME(task.EndDate, At(2024, 5, 20, 17, 0));
        QCOMPARE(test::ReadBytes(plan->manager.FileName), fileBefore);
        QCOMPARE(plan->marker->calls, std::vector<std::string>{});
    }

    void keys_data() {
        QTest::addColumn<QByteArray>("control");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("outcome");  // -1: the dialog stays open
        const int stays = -1;
        const int ok = QDialog::Accepted;
        const int cancel = QDialog::Rejected;
        QTest::newRow("Enter in the name") << QByteArray("edtName") << int(Qt::Key_Return) << ok;
        QTest::newRow("keypad Enter in the name") << QByteArray("edtName") << int(Qt::Key_Enter) << ok;
        QTest::newRow("Enter on the bar") << QByteArray("TrackBar1") << int(Qt::Key_Return) << ok;
        QTest::newRow("Enter in the priority") << QByteArray("cbPriority") << int(Qt::Key_Return) << ok;
        QTest::newRow("Enter in the start date") << QByteArray("dtStart") << int(Qt::Key_Return) << ok;
        QTest::newRow("Enter in the start time") << QByteArray("tmStart") << int(Qt::Key_Return) << ok;
        QTest::newRow("Enter in the end date") << QByteArray("dtEnd") << int(Qt::Key_Return) << ok;
        QTest::newRow("Enter in the end time") << QByteArray("tmEnd") << int(Qt::Key_Return) << ok;
        QTest::newRow("Enter on OK") << QByteArray("Button2") << int(Qt::Key_Return) << ok;
        QTest::newRow("Enter on a focused Cancel") << QByteArray("Button1") << int(Qt::Key_Return) << cancel;
        QTest::newRow("Enter in the memo") << QByteArray("Memo1") << int(Qt::Key_Return) << stays;
        QTest::newRow("Escape in the name") << QByteArray("edtName") << int(Qt::Key_Escape) << stays;
        QTest::newRow("Escape in the memo") << QByteArray("Memo1") << int(Qt::Key_Escape) << stays;
        QTest::newRow("Escape on Cancel") << QByteArray("Button1") << int(Qt::Key_Escape) << stays;
    }

    void keys() {
        QFETCH(QByteArray, control);
        QFETCH(int, key);
        QFETCH(int, outcome);
        auto dialog = OpenDialog();
        QSignalSpy finished(dialog.get(), &QDialog::finished);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        QWidget* widget = Control(*dialog, control);
        widget->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        if (outcome < 0) {
            QCOMPARE(finished.count(), 0);
            QVERIFY(dialog->isVisible());
        } else {
            QCOMPARE(finished.count(), 1);
            QCOMPARE(finished.at(0).at(0).toInt(), outcome);
        }
    }

    void enterInTheMemoStartsANewLine() {
        auto dialog = OpenDialog();
        dialog->show();
        dialog->Memo1->moveCursor(QTextCursor::End);
        QTest::keyClick(dialog->Memo1, Qt::Key_Return);
        QCOMPARE(dialog->Memo1->blockCount(), 2);
        QVERIFY(dialog->isVisible());
    }

    void errorsOfMarkingAndSavingReachTheCaller() {
        auto dialog = OpenDialog();
        plan->marker->failingFolder = plan->folderB;
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, dialog->StoreTask());
        QVERIFY(!plan->FileSaved());

        plan->marker->failingFolder.clear();
        plan->manager.FileName = plan->disk / "missing/Fennquill.xml";
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, dialog->StoreTask());
    }
};

}  // namespace fq

FQ_GUI_TEST_MAIN(fq::TaskDialogTest)

#include "TaskDialogTest.moc"
