// The floor every measurement is compared with: a Qt window of the calculator's size, right to
// left, with a title and nothing in it.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Qalvo bare window"));
    window.setLayoutDirection(Qt::RightToLeft);
    window.setFixedSize(485, 251);
    window.show();
    return QApplication::exec();
}
