#include "catalogue.h"

#include <array>

namespace kalmoro::assets {

namespace {

using enum Opacity;

constexpr std::array<AssetInfo, 177> kCatalogue {{
    {"img000", 220, 55, Opaque, "铜管计算", {}},
    {"img001", 220, 55, Opaque, "加氟计算", {}},
    {"img002", 220, 55, Opaque, "水管选择", {}},
    {"img003", 220, 55, Opaque, "风口价格", {}},
    {"img004", 220, 55, Opaque, "空调选型", {}},
    {"img005", 220, 55, Opaque, "关于软件", {}},
    {"img006", 220, 55, Opaque, "关于软件", {}},
    {"img007", 220, 55, Opaque, "铜管计算", {}},
    {"img008", 220, 55, Opaque, "加氟计算", {}},
    {"img009", 220, 55, Opaque, "水管选择", {}},
    {"img010", 220, 55, Opaque, "风口价格", {}},
    {"img011", 220, 55, Opaque, "空调选型", {}},
    {"img012", 1080, 695, Opaque, "Kalmoro 窗口背景", {}},
    {"img013", 580, 266, Opaque, "加氟计算 铜管计算 水管选择 空调选型 其他功能陆续添加ing", {}},
    {"img014", 385, 46, Opaque, "Lumavo Kalmoro", {}},
    {"img015", 385, 46, Opaque, "Lumavo Kalmoro", {}},
    {"img016", 86, 86, Opaque, "其他", {}},
    {"img017", 86, 86, Opaque, "其他", {}},
    {"img018", 86, 86, Opaque, "其他", {}},
    {"img019", 86, 86, Opaque, "轻型商用", {}},
    {"img020", 86, 86, Opaque, "轻型商用", {}},
    {"img021", 86, 86, Opaque, "轻型商用", {}},
    {"img022", 86, 86, Opaque, "CE小多联", {}},
    {"img023", 86, 86, Opaque, "CE小多联", {}},
    {"img024", 86, 86, Opaque, "CE小多联", {}},
    {"img025", 86, 86, Opaque, "X7全直流", {}},
    {"img026", 86, 86, Opaque, "X7全直流", {}},
    {"img027", 86, 86, Opaque, "X7全直流", {}},
    {"img028", 86, 86, Opaque, "家用小多联", {}},
    {"img029", 86, 86, Opaque, "家用小多联", {}},
    {"img030", 86, 86, Opaque, "家用小多联", {}},
    {"img031", 86, 86, Opaque, "轻型商用", {}},
    {"img032", 86, 86, Opaque, "轻型商用", {}},
    {"img033", 86, 86, Opaque, "轻型商用", {}},
    {"img034", 86, 86, Opaque, "CMV直流变频", {}},
    {"img035", 86, 86, Opaque, "CMV直流变频", {}},
    {"img036", 86, 86, Opaque, "CMV直流变频", {}},
    {"img037", 86, 86, Opaque, "CMV-X全直流", {}},
    {"img038", 86, 86, Opaque, "CMV-X全直流", {}},
    {"img039", 86, 86, Opaque, "CMV-X全直流", {}},
    {"img040", 86, 86, Opaque, "侧出风主机", {}},
    {"img041", 86, 86, Opaque, "侧出风主机", {}},
    {"img042", 86, 86, Opaque, "侧出风主机", {}},
    {"img043", 86, 86, Opaque, "S模块组合", {}},
    {"img044", 86, 86, Opaque, "S模块组合", {}},
    {"img045", 86, 86, Opaque, "S模块组合", {}},
    {"img046", 86, 86, Opaque, "Si整体式", {}},
    {"img047", 86, 86, Opaque, "Si整体式", {}},
    {"img048", 86, 86, Opaque, "Si整体式", {}},
    {"img049", 46, 48, Opaque, "价格", {}},
    {"img050", 46, 48, Opaque, "价格", {}},
    {"img051", 46, 48, Opaque, "价格", {}},
    {"img052", 46, 48, Opaque, "价格", {}},
    {"img053", 46, 48, Opaque, "价格", Asset::img049},
    {"img054", 46, 48, Opaque, "价格", Asset::img050},
    {"img055", 46, 48, Opaque, "价格", Asset::img051},
    {"img056", 46, 48, Opaque, "价格", Asset::img052},
    {"img057", 46, 48, Opaque, "价格", Asset::img049},
    {"img058", 46, 48, Opaque, "价格", Asset::img050},
    {"img059", 46, 48, Opaque, "价格", Asset::img051},
    {"img060", 46, 48, Opaque, "价格", Asset::img052},
    {"img061", 46, 48, Opaque, "价格", Asset::img049},
    {"img062", 46, 48, Opaque, "价格", Asset::img050},
    {"img063", 46, 48, Opaque, "价格", Asset::img051},
    {"img064", 46, 48, Opaque, "价格", Asset::img052},
    {"img065", 86, 86, Opaque, "Skyair", {}},
    {"img066", 86, 86, Opaque, "Skyair", {}},
    {"img067", 86, 86, Opaque, "Skyair", {}},
    {"img068", 86, 86, Opaque, "家用S系列", {}},
    {"img069", 86, 86, Opaque, "家用S系列", {}},
    {"img070", 86, 86, Opaque, "家用S系列", {}},
    {"img071", 86, 86, Opaque, "家用P系列", {}},
    {"img072", 86, 86, Opaque, "家用P系列", {}},
    {"img073", 86, 86, Opaque, "家用P系列", {}},
    {"img074", 86, 86, Opaque, "VRV X7", {}},
    {"img075", 86, 86, Opaque, "VRV X7", {}},
    {"img076", 86, 86, Opaque, "VRV X7", {}},
    {"img077", 188, 32, Opaque, "Kalmoro", {}},
    {"img078", 370, 30, Opaque, "暖通设计 更胜一筹", {}},
    {"img079", 726, 525, Opaque, "想学怎么配中央空调啊？我教你啊！", {}},
    {"img080", 86, 86, Opaque, "其他空调", {}},
    {"img081", 86, 86, Opaque, "其他空调", {}},
    {"img082", 86, 86, Opaque, "其他空调", {}},
    {"img083", 86, 86, Opaque, "D系列风管机", {}},
    {"img084", 86, 86, Opaque, "D系列风管机", {}},
    {"img085", 86, 86, Opaque, "D系列风管机", {}},
    {"img086", 46, 48, Opaque, "价格", Asset::img049},
    {"img087", 46, 48, Opaque, "价格", Asset::img050},
    {"img088", 46, 48, Opaque, "价格", Asset::img051},
    {"img089", 46, 48, Opaque, "价格", Asset::img052},
    {"img090", 86, 86, Opaque, "Star小多联", {}},
    {"img091", 86, 86, Opaque, "Star小多联", {}},
    {"img092", 86, 86, Opaque, "Star小多联", {}},
    {"img093", 86, 86, Opaque, "GMV-5S系列", {}},
    {"img094", 86, 86, Opaque, "GMV-5S系列", {}},
    {"img095", 86, 86, Opaque, "GMV-5S系列", {}},
    {"img096", 86, 86, Opaque, "GMV-5系列", {}},
    {"img097", 86, 86, Opaque, "GMV-5系列", {}},
    {"img098", 86, 86, Opaque, "GMV-5系列", {}},
    {"img099", 86, 86, Opaque, "GMV-ES系列", {}},
    {"img100", 86, 86, Opaque, "GMV-ES系列", {}},
    {"img101", 86, 86, Opaque, "GMV-ES系列", {}},
    {"img102", 187, 80, Opaque, "AUX 奥克斯中央空调", {}},
    {"img103", 187, 80, Opaque, "志高 中央空调", {}},
    {"img104", 260, 59, Opaque, "美的 中央空调", {}},
    {"img105", 211, 59, Opaque, "DAIKIN", {}},
    {"img106", 185, 59, Opaque, "GREE 格力 [格力中央空调]", {}},
    {"img107", 286, 30, Opaque, "请选择中央空调品牌", {}},
    {"img108", 226, 86, Opaque, "志高 中央空调", {}},
    {"img109", 226, 86, Opaque, "志高 中央空调", {}},
    {"img110", 226, 86, Opaque, "志高 中央空调", Asset::img108},
    {"img111", 164, 77, Opaque, "AUX 奥克斯中央空调", {}},
    {"img112", 164, 77, Opaque, "AUX 奥克斯中央空调", {}},
    {"img113", 164, 77, Opaque, "AUX 奥克斯中央空调", Asset::img111},
    {"img114", 453, 75, Opaque, "美的 中央空调", {}},
    {"img115", 453, 75, Opaque, "美的 中央空调", {}},
    {"img116", 453, 75, Opaque, "美的 中央空调", Asset::img114},
    {"img117", 300, 59, Opaque, "GREE 格力", {}},
    {"img118", 300, 59, Opaque, "GREE 格力", {}},
    {"img119", 300, 59, Opaque, "GREE 格力", Asset::img117},
    {"img120", 293, 60, Opaque, "DAIKIN", {}},
    {"img121", 293, 60, Opaque, "DAIKIN", {}},
    {"img122", 293, 60, Opaque, "DAIKIN", Asset::img120},
    {"img123", 220, 55, Opaque, "空调选型", {}},
    {"img124", 220, 55, Opaque, "空调选型", {}},
    {"img125", 220, 55, Opaque, "关于软件", {}},
    {"img126", 220, 55, Opaque, "关于软件", {}},
    {"img127", 120, 36, Opaque, "清空数据", {}},
    {"img128", 120, 36, Opaque, "清空数据", {}},
    {"img129", 120, 36, Opaque, "清空数据", {}},
    {"img130", 119, 36, Opaque, "价格计算", {}},
    {"img131", 119, 36, Opaque, "价格计算", {}},
    {"img132", 119, 36, Opaque, "价格计算", {}},
    {"img133", 775, 522, Opaque, "期货铜价 今日铜价 铜管市场价", {}},
    {"img134", 161, 37, Opaque, "回风口计算", {}},
    {"img135", 161, 37, Opaque, "回风口计算", {}},
    {"img136", 161, 37, Opaque, "回风口计算", {}},
    {"img137", 161, 37, Opaque, "出风口计算", {}},
    {"img138", 161, 37, Opaque, "出风口计算", {}},
    {"img139", 161, 37, Opaque, "出风口计算", {}},
    {"img140", 220, 55, Opaque, "风口价格", {}},
    {"img141", 220, 55, Opaque, "风口价格", {}},
    {"img142", 750, 500, Opaque, "冷凝排水管选择", {}},
    {"img143", 122, 23, Opaque, "空调品牌", {}},
    {"img144", 26, 26, Opaque, "菜单", {}},
    {"img145", 26, 26, Opaque, "菜单", {}},
    {"img146", 26, 26, Opaque, "菜单", {}},
    {"img147", 26, 26, Opaque, "最小化", {}},
    {"img148", 26, 26, Opaque, "最小化", {}},
    {"img149", 26, 26, Opaque, "最小化", {}},
    {"img150", 26, 26, Opaque, "关闭", {}},
    {"img151", 26, 26, Opaque, "关闭", {}},
    {"img152", 26, 26, Opaque, "关闭", {}},
    {"img153", 220, 55, Opaque, "水管选择", {}},
    {"img154", 220, 55, Opaque, "水管选择", {}},
    {"img155", 220, 55, Opaque, "铜管计算", {}},
    {"img156", 220, 55, Opaque, "铜管计算", {}},
    {"img157", 220, 55, Opaque, "加氟计算", {}},
    {"img158", 220, 55, Opaque, "加氟计算", {}},
    {"img159", 122, 23, Opaque, "室内机加氟", {}},
    {"img160", 122, 23, Opaque, "室外机加氟", {}},
    {"img161", 179, 36, Opaque, "合计加氟量计算", {}},
    {"img162", 179, 36, Opaque, "合计加氟量计算", {}},
    {"img163", 179, 36, Opaque, "合计加氟量计算", {}},
    {"img164", 179, 36, RoundedCorners, "室内机所需加氟量", {}},
    {"img165", 179, 36, RoundedCorners, "室内机所需加氟量", {}},
    {"img166", 179, 36, RoundedCorners, "室内机所需加氟量", {}},
    {"img167", 179, 36, RoundedCorners, "室外机所需加氟量", {}},
    {"img168", 179, 36, RoundedCorners, "室外机所需加氟量", {}},
    {"img169", 179, 36, RoundedCorners, "室外机所需加氟量", {}},
    {"img170", 220, 23, Opaque, "ALL 所需加氟量（kg）", {}},
    {"img171", 560, 480, Opaque, "出风口尺寸 回风口尺寸", {}},
    {"img172", 256, 256, TransparentOutside, "Kalmoro 图标", {}},
    {"img173", 220, 55, Opaque, "冷媒压力", {}},
    {"img174", 220, 55, Opaque, "冷媒压力", {}},
    {"img175", 220, 55, Opaque, "冷媒压力", {}},
    {"img176", 220, 55, Opaque, "冷媒压力", {}},
}};

constexpr bool namesInOrder()
{
    for (std::size_t i = 0; i < kCatalogue.size(); ++i) {
        const std::string_view name = kCatalogue[i].name;
        if (name.size() != 6 || name.substr(0, 3) != "img")
            return false;
        const std::size_t number
            = std::size_t(name[3] - '0') * 100 + std::size_t(name[4] - '0') * 10 + std::size_t(name[5] - '0');
        if (number != i)
            return false;
    }
    return true;
}
static_assert(namesInOrder(), "the catalogue lists img000 to img176 in order, one row each");

static_assert(std::size_t(Asset::img176) + 1 == kCatalogue.size(), "one asset id for each catalogue row");

// A picture stored once is never itself a copy, so Stored needs a single step.
constexpr bool copiesPointAtStoredPictures()
{
    for (const AssetInfo &info : kCatalogue) {
        if (!info.sameAs)
            continue;
        const AssetInfo &original = kCatalogue[std::size_t(*info.sameAs)];
        if (original.sameAs || original.width != info.width || original.height != info.height
            || original.opacity != info.opacity)
            return false;
    }
    return true;
}
static_assert(copiesPointAtStoredPictures(), "sameAs names a stored picture of the same size");

} // namespace

std::span<const AssetInfo> Catalogue()
{
    return kCatalogue;
}

const AssetInfo &Info(Asset asset)
{
    return kCatalogue[std::size_t(asset)];
}

Asset Stored(Asset asset)
{
    return Info(asset).sameAs.value_or(asset);
}

} // namespace kalmoro::assets
