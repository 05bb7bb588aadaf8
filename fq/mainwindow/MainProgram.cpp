#include "MainProgram.h"

#include "FennquillApplication.h"
#include "uMain.h"

namespace fq {

int RunMainProgram(int argc, char** argv) {
    // The one argument, a task's identifier, comes from a marker file that
    // anybody can write: Qt, which takes its own switches (-style, -reverse,
    // -stylesheet=...) from the command line, is shown only the program name.
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    int programNameOnly = 1;
    FennquillApplication application(programNameOnly, argv);

    TfrmMain window(arguments);
    if (window.EndRequested()) return 0;
    if (window.ShowsMainWindow()) window.show();
    return QApplication::exec();
}

}  // namespace fq
