#include "music/FMMediaVel.h"

FMMediaVel::FMMediaVel() {
    Command1.setCaption(QStringLiteral("Play"));
    Command2.setCaption(QStringLiteral("Stop"));
    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
}

// Until the player lands the buttons can be pressed and do nothing audible.
void FMMediaVel::Command1_Click() {}
void FMMediaVel::Command2_Click() {}
