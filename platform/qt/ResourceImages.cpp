#include "platform/qt/ResourceImages.h"

#include "res/Resource.h"

// The resources live in a static library, whose registration the linker would otherwise drop.
static void EnsureResourcesRegistered() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(Tarvolin);
        return true;
    }();
    static_cast<void>(registered);
}

QIcon LoadIconResource(UINT id) {
    EnsureResourcesRegistered();
    QIcon icon;
    if (id == IDR_MAINFRAME) {
        for (const int size : {16, 32, 48}) {
            icon.addFile(QStringLiteral(":/res/icon130-%1.png").arg(size), QSize(size, size));
        }
    }
    return icon;
}

QPixmap LoadBitmapResource(UINT id) {
    EnsureResourcesRegistered();
    if (id == IDB_BACKDROP) {
        return QPixmap(QStringLiteral(":/res/bitmap129.png"));
    }
    return {};
}
