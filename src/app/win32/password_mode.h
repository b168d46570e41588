#pragma once
// Password-change mode (/a).

namespace aerolark {

// Opens the system's screen-saver password dialog where the system still has
// one; elsewhere tells the user that Windows asks for the sign-in password
// itself. Returns 0 once the user is done.
int RunPasswordChangeMode();

}  // namespace aerolark
