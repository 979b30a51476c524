#pragma once
// The ending: music, a flip-book, picture sweeps, the staff roll, and the
// question whether to play again. It all runs inside the window's load.

#include "platform/Form.h"

class QLabel;

namespace kobu {

class FStaff : public platform::Form {
    Q_OBJECT
public:
    FStaff();
    void Form_Load() override;
};

} // namespace kobu
