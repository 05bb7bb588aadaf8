#include "FennquillApplication.h"

#include "ErrorLog.h"

namespace fq {

FennquillApplication::FennquillApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Fennquill"));
}

bool FennquillApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ReportError(error);
    } catch (...) {
        ReportError(std::string("Unknown error"));
    }
    return false;
}

}  // namespace fq
