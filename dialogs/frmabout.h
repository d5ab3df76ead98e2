// The About box: title, version, what the game is for, and the system information tool.
#pragma once

#include <QDialog>

#include <cstdint>

class QLabel;
class QPushButton;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* owner);

    void StartSysInfo();

    QLabel* picIcon;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* lblDescription;
    QLabel* lblDisclaimer;
    QPushButton* cmdOK;
    QPushButton* cmdSysInfo;
};

inline const QString SysInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline const QString SysInfoLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

// Reads one string value from the registry; false (and KeyVal empty) when it cannot.
bool GetKeyValue(intptr_t KeyRoot, const QString& KeyName, const QString& SubKeyRef, QString& KeyVal);
