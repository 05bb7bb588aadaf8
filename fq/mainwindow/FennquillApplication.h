#pragma once
// The application object: an error that escapes an event handler goes to the
// error log, and the program carries on with the next event.
#include <QApplication>

namespace fq {

class FennquillApplication : public QApplication {
    Q_OBJECT
public:
    FennquillApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace fq
