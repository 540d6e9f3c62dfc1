#pragma once

namespace toolkit {

// The platform's default beep.
void beep();

} // namespace toolkit
