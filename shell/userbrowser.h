#pragma once

class QProcessEnvironment;

namespace kalmoro::platform {

// Opens web addresses in the desktop's browser, and folders in its file manager, with the
// environment given, the one the user started the program in: the program's own may point at
// folders that go when it ends.
void OpenWebAddressesWith(const QProcessEnvironment &user);

} // namespace kalmoro::platform
