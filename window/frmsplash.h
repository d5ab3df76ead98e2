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

    // Closes now if the splash has been on the screen, else right after it first is (or after
    // a short grace if it never is), so that it is seen at least once and never lingers.
    void CloseOnceDrawn();
    bool Drawn() const { return drawn_; }

    QFrame* fraMainFrame;
    QLabel* picLogo;
    QLabel* lblProductName;
    QLabel* lblVersion;
    QLabel* lblPlatform;

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    bool drawn_ = false;
    bool closeAsked_ = false;
};
