#include "music/FMMediaVel.h"

#include "app/ModtavolaVel.h"
#include "toolkit/Casuale.h"

using ModtavolaVel::brano;

const std::array<const char*, 15> BraniMusicali = {
    "suoni900\\sonata-c.mid",   "suoni900\\passport.mid",        "suoni900\\air.mid",
    "suoni900\\air2.mid",       "suoni900\\canyon.mid",          "suoni900\\fuguegm.mid",
    "suoni900\\fuguegm2.mid",   "suoni900\\herewithme.mid",      "suoni900\\thankyou.mid",
    "suoni900\\one_step_closer.mid", "suoni900\\itsmylife.mid", "suoni900\\sayitisntso.mid",
    "suoni900\\fatlip.mid",     "suoni900\\pardonme.mid",        "suoni900\\serenatella.mid",
};

FMMediaVel::FMMediaVel() {
    Command1.setCaption(QStringLiteral("Play"));
    Command2.setCaption(QStringLiteral("Stop"));
    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    MMControl1.StatusUpdate = [this] { MMControl1_StatusUpdate(); };
}

void FMMediaVel::Command1_Click() {
    MMControl1.setCommand(QStringLiteral("Close"));
    // Any other value keeps the previous file: it is opened again.
    if (brano >= 1 && brano <= 15)
        MMControl1.setFileName(QString::fromLatin1(BraniMusicali[static_cast<std::size_t>(brano - 1)]));
    MMControl1.setNotify(false);
    MMControl1.setWait(true);
    MMControl1.setShareable(false);
    MMControl1.setCommand(QStringLiteral("Open"));
    MMControl1.setCommand(QStringLiteral("Play"));
}

void FMMediaVel::Command2_Click() { MMControl1.setCommand(QStringLiteral("Close")); }

void FMMediaVel::MMControl1_StatusUpdate() {
    if (MMControl1.Mode() != forma::MMControl::ModoFermo) return;
    MMControl1.setCommand(QStringLiteral("close"));
    brano = forma::BranoCasuale();  // no reseed here
    Command1.setValue(true);
}
