// The empty window with one text box: a second yardstick for Kelvane's start-up, as a text box
// lays out its text when it is built, and so brings up the font database (fontconfig) before
// the window is mapped, which the empty window never needs.
#include <QApplication>
#include <QLineEdit>
#include <QString>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Text Box Window"));
    window.resize(436, 335);
    QLineEdit box(&window);
    box.setGeometry(16, 32, 57, 33);
    window.show();
    return QApplication::exec();
}
