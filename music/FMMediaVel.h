// The hidden music window: it owns the multimedia control. Other windows drive
// it only by pressing its Play (Command1) and Stop (Command2) buttons; when a
// track has played to its end, it draws a new one and plays again.
#pragma once

#include <array>

#include "toolkit/CommandButton.h"
#include "toolkit/Form.h"
#include "toolkit/MMControl.h"

class FMMediaVel : public forma::Form {
    Q_OBJECT
public:
    FMMediaVel();

    forma::CommandButton Command1{this};  // Play
    forma::CommandButton Command2{this};  // Stop
    forma::MMControl MMControl1{this};

private:
    void Command1_Click();
    void Command2_Click();
    void MMControl1_StatusUpdate();
};

// The tracks, indexed by `brano` (1..15), relative to the working folder.
extern const std::array<const char*, 15> BraniMusicali;
