#pragma once

#include <optional>

#include <QString>

#include "job.h"

namespace kalmoro {

// The file of that name among what the program keeps in the account's own configuration folder.
QString KeptSettingPath(const QString &name);

// The dealer's header kept for new jobs, in the account's own configuration folder, for as long as
// the user asks the program to remember it. Nothing else of a job is kept there but the user's own
// room types (roomtypememory.h).
std::optional<Dealer> RememberedDealer();
// Keeps dealer, replacing the one kept before; gives the reason of a failure, empty on success.
QString RememberDealer(const Dealer &dealer);
// Removes the kept dealer, if any; gives the reason of a failure, empty on success.
QString ForgetDealer();

} // namespace kalmoro
