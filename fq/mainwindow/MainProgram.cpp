#include "MainProgram.h"

#include "Dialogs.h"
#include "FennquillApplication.h"
#include "uMain.h"

namespace fq {

int RunMainProgram(int argc, char** argv) {
    FennquillApplication application(argc, argv);
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();

    QWidget* questionsParent = nullptr;
    SetConfirmHandler([&questionsParent](const std::string& question) {
        return CurrentDialogs().Confirm(questionsParent, QStringLiteral("Confirm"), QString::fromStdString(question));
    });
    TfrmMain window(arguments);
    questionsParent = &window;
    if (window.EndRequested()) return 0;
    if (window.ShowsMainWindow()) window.show();
    return QApplication::exec();
}

}  // namespace fq
