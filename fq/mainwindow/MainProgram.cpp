#include "MainProgram.h"

#include "FennquillApplication.h"
#include "uMain.h"

namespace fq {

int RunMainProgram(int argc, char** argv) {
    FennquillApplication application(argc, argv);
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();

    TfrmMain window(arguments);
    if (window.EndRequested()) return 0;
    if (window.ShowsMainWindow()) window.show();
    return QApplication::exec();
}

}  // namespace fq
