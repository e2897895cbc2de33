#pragma once

#include <QStringView>

namespace kalmoro::rooms {

// Where a room type's indices were published.
struct IndexSource {
    QStringView key;
    QStringView text;
};

// A kind of room and its scheme-stage cooling load index in W/m²: the published range and the
// default a new room of the kind takes.
struct RoomType {
    QStringView name;
    int low;
    int high;
    int defaultIndex;
    QStringView source; // the key of its IndexSource
};

// The share of the summed room loads that occurs at once, as published.
struct DiversityRange {
    double low;
    double high;
    double defaultValue;
};

} // namespace kalmoro::rooms
