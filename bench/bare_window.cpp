// The baseline for start-up time: a bare Qt main window with a menu bar, a tool bar and a
// status bar, nothing of the game. Measured beside the game in the same X server.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Bare Qt window");
    for (const char* menu : {"&File", "&Edit", "&View", "&Help"}) window.menuBar()->addMenu(menu)->addAction("&Item");
    QToolBar* tools = window.addToolBar("Tools");
    for (const char* tool : {"Open", "Save", "Print"}) tools->addAction(tool);
    window.statusBar()->showMessage("Status");
    window.resize(514, 433);
    window.show();
    return app.exec();
}
