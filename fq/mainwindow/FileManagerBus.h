#pragma once
// The desktop's file manager over D-Bus: the org.freedesktop.FileManager1
// interface, which the common file managers serve on the session bus.
#include <QString>

class QDBusConnection;

namespace fq {

inline constexpr char kShowItemsMethod[] = "ShowItems";
inline constexpr char kShowItemPropertiesMethod[] = "ShowItemProperties";

// Calls method with the one item URI and an empty startup id; true when a
// file manager answered without an error.
bool CallFileManager(const QDBusConnection& bus, const QString& method, const QString& itemUri);

}  // namespace fq
