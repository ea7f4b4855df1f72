// The smallest Qt Widgets program that shows a window, as a yardstick for Kelvane's start-up
// time and memory: the same toolkit brought up, with nothing of Kelvane's own.
#include <QApplication>
#include <QString>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Empty Window"));
    // Kelvane's client area, so both programs map and paint the same number of pixels.
    window.resize(436, 335);
    window.show();
    return QApplication::exec();
}
