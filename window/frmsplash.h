// The splash window, shown while the game window loads; its load creates the game window.
#pragma once

#include <QWidget>

class QFrame;
class QLabel;

class frmSplash : public QWidget {
    Q_OBJECT
public:
    frmSplash();

    // Sets the labels, then creates, loads and shows the game window (MainForm).
    void Form_Load(const QString& commandLine);

    QFrame* fraMainFrame;
    QLabel* picLogo;
    QLabel* lblProductName;
    QLabel* lblVersion;
    QLabel* lblPlatform;
};

// "Version 1.0.0" from the build's version number.
QString VersionText();
