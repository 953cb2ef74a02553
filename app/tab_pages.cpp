#include "app/tab_pages.h"

namespace tavimor {
namespace {

constexpr int kWelcome[] = {1079, 1080, 1081, 1082};
constexpr int kScreenShot[] = {1086};
constexpr int kContactInfo[] = {1001, 1002, 1003, 1005, 1006, 1007, 1008,
                                1009, 1010, 1011, 1063, 1065, 1066, 1067};
constexpr int kYourLogo[] = {1019, 1013, 1014, 1015, 1020, 1016, 1017, 1018};
constexpr int kColorScheme[] = {1021, 1023, 1024, 1025, 1026, 1027,
                                1028, 1029, 1030, 1031, 1032, 1033};
constexpr int kFavoriteLinks[] = {1050, 1051, 1052, 1053, 1054, 1035, 1036, 1037, 1038, 1039,
                                  1040, 1041, 1042, 1043, 1044, 1045, 1046, 1047, 1048, 1049};
constexpr int kTargetSearch[] = {1055, 1058, 1056, 1057};

}  // namespace

const std::array<TabPage, kTabPageCount> kTabPages = {{
    {"Welcome", kWelcome},
    {"Screen Shot", kScreenShot},
    {"Contact Info", kContactInfo},
    {"Your Logo", kYourLogo},
    {"Color Scheme", kColorScheme},
    {"Favorite Links", kFavoriteLinks},
    {"Target Search", kTargetSearch},
}};

}  // namespace tavimor
