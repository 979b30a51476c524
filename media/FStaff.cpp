#include "media/FStaff.h"

namespace kobu {

FStaff::FStaff() : Form(QStringLiteral("FStaff")) { setCaption(QStringLiteral("Form1")); }

void FStaff::Form_Load() {}

} // namespace kobu
