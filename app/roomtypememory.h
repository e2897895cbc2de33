#pragma once

#include <QList>
#include <QString>

#include "rooms.h"

namespace kalmoro {

// A room type of the user's own and the index the user gave it.
struct OwnRoomType {
    QString name;
    rooms::Centi index = 0;
    bool operator==(const OwnRoomType &) const = default;
};

// The most kept: more than any dealer names.
inline constexpr qsizetype MaxOwnRoomTypes = 200;

// The user's own room types kept for new jobs in the account's configuration folder, while the user
// asks for them to be kept; empty when none are. Entries that are not a name and an index the rooms
// take are left out.
QList<OwnRoomType> RememberedRoomTypes();
// Keeps types in place of those kept before; gives the reason of a failure, empty on success.
QString RememberRoomTypes(const QList<OwnRoomType> &types);
// Removes the kept types, if any; gives the reason of a failure, empty on success.
QString ForgetRoomTypes();
bool RoomTypesRemembered();

} // namespace kalmoro
