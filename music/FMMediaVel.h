// The hidden music window: it owns the multimedia control. Other windows drive
// it only by pressing its Play (Command1) and Stop (Command2) buttons.
#pragma once

#include "toolkit/CommandButton.h"
#include "toolkit/Form.h"

class FMMediaVel : public forma::Form {
    Q_OBJECT
public:
    FMMediaVel();

    forma::CommandButton Command1{this};  // Play
    forma::CommandButton Command2{this};  // Stop

private:
    void Command1_Click();
    void Command2_Click();
};
