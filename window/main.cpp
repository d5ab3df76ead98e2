// Entry point: the Qt application around the game's own idle loop.
#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    return 0;
}
