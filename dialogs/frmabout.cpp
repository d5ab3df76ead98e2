// About box and System Info: the tool is found through two registry values and started
// detached; every failure ends in one message and the box stays open.
#include "dialogs/frmabout.h"

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

#include "platform/msgbox.h"
#include "platform/process.h"
#include "platform/registry.h"
#include "window/deferred_icon.h"
#include "window/version_text.h"
#include "window/fit_text.h"
#include "window/settings.h"
#include "window/twips.h"

bool GetKeyValue(intptr_t KeyRoot, const QString& KeyName, const QString& SubKeyRef, QString& KeyVal) {
    RegKey key = 0;
    if (OpenRegKey(static_cast<RegKey>(KeyRoot), KeyName, &key) != RegOk) {
        KeyVal.clear();
        return false;
    }
    char16_t buffer[1024];
    unsigned long size = 1024, type = 0;
    if (QueryRegValue(key, SubKeyRef, &type, buffer, &size) != RegOk) {
        KeyVal.clear();
        CloseRegKey(key);
        return false;
    }
    if (size > 0 && buffer[size - 1] == 0) --size;
    KeyVal = type == RegText ? QString::fromUtf16(buffer, static_cast<qsizetype>(size)) : QString();
    CloseRegKey(key);
    return true;
}

frmAbout::frmAbout(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName("frmAbout");
    setWindowTitle(tr("About Pelorand"));
    setFixedSize(Px(4680), Px(3075));

    picIcon = new QLabel(this);
    picIcon->setObjectName("picIcon");
    picIcon->setGeometry(TwipsRect(240, 240, 540, 540));
    picIcon->setPixmap(GameIcon("pelorand").pixmap(Px(540), Px(540)));

    auto label = [this](const char* name, const QString& text, QRect place) {
        auto* l = new QLabel(text, this);
        l->setObjectName(name);
        l->setGeometry(place);
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return l;
    };
    lblTitle = label("lblTitle", AppTitle, TwipsRect(1050, 240, 3400, 480));
    QFont title = lblTitle->font();
    title.setPointSize(14);
    title.setBold(true);
    lblTitle->setFont(title);
    lblVersion = label("lblVersion", VersionText(), TwipsRect(1050, 780, 3400, 225));
    lblDescription = label("lblDescription",
                           tr("A concentration exercise: make the answer card from all the face cards, each used "
                              "once, with + - * / and brackets."),
                           TwipsRect(1050, 1125, 3400, 1000));
    lblDisclaimer = label("lblDisclaimer", tr("Free to play and to share."), TwipsRect(255, 2625, 2700, 300));

    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setGeometry(TwipsRect(3240, 2160, 1260, 345));
    cmdOK->setDefault(true);  // Enter; Esc rejects the dialog, which closes it too
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    cmdSysInfo = new QPushButton(tr("&System Info..."), this);
    cmdSysInfo->setObjectName("cmdSysInfo");
    cmdSysInfo->setGeometry(TwipsRect(3240, 2580, 1260, 345));
    cmdSysInfo->setAutoDefault(false);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::StartSysInfo);
    for (QLabel* l : {lblTitle, lblVersion, lblDescription, lblDisclaimer}) FitText(l);
    FitText({cmdOK, cmdSysInfo});
}

void frmAbout::StartSysInfo() {
    QString tool;
    if (!GetKeyValue(MachineRoot, SysInfoKey, "PATH", tool)) {
        QString folder;
        if (GetKeyValue(MachineRoot, SysInfoLocationKey, "MSINFO", folder) &&
            QFileInfo(folder + "/MSINFO32.EXE").isFile())
            tool = folder + "/MSINFO32.EXE";
    }
    if (tool.isEmpty() || !StartProgram(tool))
        MsgBox(tr("System Information Is Unavailable At This Time"), this);
}
