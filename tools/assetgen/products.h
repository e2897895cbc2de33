#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

namespace kalmoro::assetgen {

// Flat illustrations of the air-conditioner products shown on the brand pages.
enum class Product {
    HomeUnit, // outdoor unit, one fan, landscape
    TwinFanUnit, // outdoor unit, two fans side by side
    TallUnit, // side-discharge outdoor unit, two fans stacked
    Module, // top-discharge outdoor module
    WideModule, // top-discharge module with two fans
    TwoModules, // two modules side by side
    Ducted, // ducted indoor unit under the ceiling
    FloorStanding, // floor-standing indoor unit
    FloorAndWall, // floor-standing and wall-mounted indoor units
};

// Draws product centred in box, keeping its proportions; accent marks the brand.
void DrawProduct(QPainter &painter, Product product, const QRectF &box, const QColor &accent);

} // namespace kalmoro::assetgen
