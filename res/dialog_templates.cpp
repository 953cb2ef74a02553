#include "res/dialog_templates.h"

namespace tavimor {
namespace {

constexpr bool kShown = true;
constexpr bool kHidden = false;

// One helper per kind keeps each row of the tables to what differs between
// controls of that kind.
constexpr DialogControl button(int id, std::string_view caption, DluRect rect,
                               bool isDefault = false) {
    return {.id = id, .kind = ControlKind::PushButton, .caption = caption, .rect = rect,
            .visibleAtStart = kShown, .tabStop = true, .defaultButton = isDefault};
}

constexpr DialogControl text(int id, std::string_view caption, DluRect rect, TextAlign align,
                             bool visible, int buddyId = 0) {
    return {.id = id, .kind = ControlKind::Text, .caption = caption, .rect = rect,
            .visibleAtStart = visible, .tabStop = false, .align = align, .buddyId = buddyId};
}

constexpr DialogControl edit(int id, DluRect rect) {
    return {.id = id, .kind = ControlKind::Edit, .caption = {}, .rect = rect,
            .visibleAtStart = kHidden, .tabStop = true};
}

constexpr DialogControl combo(int id, DluRect rect, bool sorted) {
    return {.id = id, .kind = ControlKind::ComboBox, .caption = {}, .rect = rect,
            .visibleAtStart = kHidden, .tabStop = true, .editableDropDown = true,
            .sorted = sorted};
}

constexpr DialogControl group(int id, std::string_view caption, DluRect rect) {
    return {.id = id, .kind = ControlKind::GroupBox, .caption = caption, .rect = rect,
            .visibleAtStart = kHidden, .tabStop = false};
}

constexpr DialogControl picture(int id, int bitmapId, DluRect rect, bool visible) {
    return {.id = id, .kind = ControlKind::Picture, .caption = {}, .rect = rect,
            .visibleAtStart = visible, .tabStop = false, .resourceId = bitmapId};
}

constexpr TextAlign L = TextAlign::Left;
constexpr TextAlign R = TextAlign::Right;
constexpr TextAlign C = TextAlign::Centre;

constexpr DialogControl kMainControls[] = {
    button(2, "Cancel", {175, 199, 50, 12}),
    button(57670, "&Help", {236, 199, 48, 12}),
    {.id = 1000, .kind = ControlKind::TabControl, .caption = "Tab1", .rect = {7, 7, 342, 186},
     .visibleAtStart = kShown, .tabStop = false},
    text(1001, "Name", {49, 48, 29, 12}, R, kHidden, 1002),
    edit(1002, {82, 48, 150, 12}),
    text(1003, "Email", {47, 66, 31, 13}, R, kHidden, 1005),
    edit(1005, {82, 66, 150, 12}),
    text(1006, "Site Name", {44, 81, 34, 12}, R, kHidden, 1007),
    edit(1007, {82, 81, 150, 12}),
    text(1008, "URL", {49, 97, 29, 12}, R, kHidden, 1009),
    edit(1009, {82, 97, 150, 12}),
    text(1010, "Password (for future modifications)", {16, 132, 64, 25}, R, kHidden, 1011),
    edit(1011, {82, 132, 150, 12}),
    text(1013,
         "Please provide the URL of the image you want to use as your logo.  The required "
         "dimensions are 175 pixels wide by 60 pixels high.  The image should reside on your "
         "server and the path to  the image needs to be exact. ",
         {36, 37, 202, 33}, L, kHidden),
    text(1014, "(i.e. http://www.yoursite.com/images/logo.gif)", {55, 73, 162, 8}, L, kHidden,
         1015),
    edit(1015, {54, 83, 162, 14}),
    text(1016,
         "Please provide the URL that you want people to go to if they click on your logo.",
         {36, 118, 202, 16}, L, kHidden),
    text(1017, "(i.e. http://www.yoursite.com/index.html)", {67, 141, 131, 13}, L, kHidden,
         1018),
    edit(1018, {55, 151, 160, 14}),
    group(1019, "IMAGE", {27, 27, 215, 77}),
    group(1020, "URL", {27, 107, 215, 71}),
    text(1021, "Background Color", {59, 50, 58, 13}, R, kHidden, 1023),
    combo(1023, {120, 50, 112, 50}, false),
    text(1024, "Link Text Color", {67, 67, 49, 12}, R, kHidden, 1025),
    combo(1025, {120, 69, 112, 50}, true),
    text(1026, "Visited Link Text Color", {44, 88, 73, 12}, R, kHidden, 1027),
    combo(1027, {120, 88, 112, 49}, false),
    text(1028, "Active Link Text Color", {47, 107, 70, 9}, R, kHidden, 1029),
    combo(1029, {120, 107, 112, 49}, true),
    text(1030, "Search Result Bar Color", {41, 125, 77, 11}, L, kHidden, 1031),
    combo(1031, {120, 125, 112, 50}, true),
    text(1032, "Search Result Bar Text Color", {26, 144, 91, 12}, L, kHidden, 1033),
    combo(1033, {120, 144, 112, 51}, true),
    group(1035, "LINK 2", {34, 68, 202, 36}),
    text(1036, "Title", {50, 77, 25, 8}, R, kHidden, 1037),
    edit(1037, {78, 75, 137, 12}),
    text(1038, "Url", {59, 90, 16, 9}, R, kHidden, 1039),
    edit(1039, {78, 89, 137, 12}),
    group(1040, "LINK 3", {34, 106, 202, 37}),
    text(1041, "Title", {62, 113, 26, 9}, L, kHidden, 1042),
    edit(1042, {79, 113, 136, 12}),
    text(1043, "Url", {56, 128, 20, 8}, R, kHidden, 1044),
    edit(1044, {79, 127, 136, 12}),
    group(1045, "LINK 4", {35, 144, 201, 37}),
    text(1046, "Title", {49, 151, 28, 8}, R, kHidden, 1047),
    edit(1047, {80, 151, 134, 12}),
    text(1048, "Url", {54, 167, 22, 8}, R, kHidden, 1049),
    edit(1049, {79, 165, 134, 12}),
    group(1050, "LINK 1", {34, 29, 202, 37}),
    text(1051, "Title", {48, 38, 26, 8}, R, kHidden, 1052),
    edit(1052, {77, 36, 137, 12}),
    text(1053, "Url", {52, 50, 21, 8}, R, kHidden, 1054),
    edit(1054, {77, 50, 137, 12}),
    text(1055,
         "Target your Customized Tavimor.  You can target your search engine by picking a "
         "category from the list or by typing a keyword that you want your search to always "
         "include.",
         {59, 42, 160, 45}, L, kHidden, 1056),
    combo(1056, {80, 88, 97, 65}, false),
    edit(1057, {80, 120, 96, 12}),
    text(1058, "Keyword", {95, 105, 59, 8}, C, kHidden, 1057),
    text(1063, "Type of Site", {39, 116, 39, 9}, R, kHidden, 1065),
    combo(1065, {82, 115, 150, 53}, false),
    text(1066, "Country Code (2 digit code)", {34, 150, 43, 18}, R, kHidden, 1067),
    edit(1067, {82, 149, 23, 12}),
    button(1072, "Save", {25, 199, 41, 12}),
    button(1073, "Load", {75, 199, 39, 12}),
    button(1074, "Submit", {125, 199, 41, 12}),
    picture(1079, 138, {18, 28, 87, 155}, kShown),
    picture(1080, 144, {111, 23, 123, 28}, kShown),
    text(1081,
         "Would you like your own custom branded search engine? Tavimor allows you to create a "
         "custom branded, fully functional search engine (complete with content) for your site "
         "in minutes. This program is equipped with an easy to navigate interface.",
         {116, 56, 119, 69}, L, kShown),
    text(1082,
         "In order to create your custom search engine, you need to fill all the fields in the "
         "various tabs and then click on the \"Submit\" button. HTML code will be generated that "
         "you will receive via email. Just paste that code on your site and VIOLA, you're "
         "done!!",
         {116, 120, 119, 58}, L, kShown),
    picture(1086, 142, {18, 29, 213, 157}, kHidden),
    button(1087, "Next >>", {256, 170, 37, 13}),
};

// The icon takes its own size; its rectangle gives only the position.
constexpr DialogControl kAboutControls[] = {
    {.id = -1, .kind = ControlKind::Icon, .caption = {}, .rect = {11, 17, 0, 0},
     .visibleAtStart = kShown, .tabStop = false, .resourceId = 128},
    text(-1, "Tavimor Version 1.0", {40, 10, 119, 8}, L, kShown),
    text(-1, "Your own custom search engine", {40, 25, 119, 8}, L, kShown),
    button(1, "OK", {178, 7, 50, 14}, true),
};

}  // namespace

const DialogTemplate kMainDialogTemplate = {102, "Tavimor 1.1", 394, 218, kMainControls};

const DialogTemplate kAboutDialogTemplate = {100, "About Tavimor", 235, 55, kAboutControls};

const DialogControl* findControl(const DialogTemplate& dialog, int id) {
    for (const DialogControl& control : dialog.controls) {
        if (control.id == id) return &control;
    }
    return nullptr;
}

}  // namespace tavimor
