#include <QApplication>
#include <QIcon>
#include <QString>

#include "formKelvane.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvane"));
    QApplication::setApplicationDisplayName(QStringLiteral("Kelvane"));
    QApplication::setApplicationVersion(QStringLiteral(KELVANE_VERSION));

    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/kelvane-%1.png").arg(size), QSize(size, size));
    }
    QApplication::setWindowIcon(icon);

    kelvane::formKelvane window;
    window.show();
    return QApplication::exec();
}
