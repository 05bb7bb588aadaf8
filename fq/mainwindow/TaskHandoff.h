#pragma once
// A copy of the program started from the file manager to edit one task hands
// the task to the copy whose main window is open, which edits it itself: only
// one copy ever writes the plan, and the change shows in its tree at once.
// The two meet on a local socket that only the same user can reach, named
// after the user's application-data folder.
#include <QLocalServer>
#include <QObject>

#include <functional>
#include <string>

namespace fq {

QString HandoffServerName();

// True when a running copy took the task; false when none runs or it does
// not know the task.
bool HandTaskToRunningCopy(const std::string& taskId);

class TaskHandoffServer : public QObject {
    Q_OBJECT
public:
    // take(id) answers whether the task is known, and when it is, arranges
    // to edit it once the answer has gone out.
    using Take = std::function<bool(const std::string& taskId)>;

    TaskHandoffServer(Take take, QObject* parent = nullptr);
    // False when another running copy listens already.
    bool Listen();

private:
    void Answer(QLocalSocket* socket);

    Take take_;
    QLocalServer server_;
};

}  // namespace fq
