#include "FileManagerBus.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QStringList>

namespace fq {
namespace {

// Long enough for the bus to start a file manager that is not running yet;
// a bus without one answers at once.
constexpr int kAnswerTimeoutMs = 10000;

}  // namespace

bool CallFileManager(const QDBusConnection& bus, const QString& method, const QString& itemUri) {
    if (!bus.isConnected()) return false;
    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.FileManager1"),
                                                       QStringLiteral("/org/freedesktop/FileManager1"),
                                                       QStringLiteral("org.freedesktop.FileManager1"), method);
    call << QStringList{itemUri} << QString();
    return bus.call(call, QDBus::Block, kAnswerTimeoutMs).type() == QDBusMessage::ReplyMessage;
}

}  // namespace fq
