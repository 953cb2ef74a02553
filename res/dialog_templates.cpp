#include "res/dialog_templates.h"

namespace tavimor {
namespace {

constexpr bool kShown = true;
constexpr bool kHidden = false;

// One helper per kind keeps each row of the tables to what differs between
// controls of that kind.
// clang-format off
constexpr DialogControl button(ControlId id, MarkedText caption, DluRect rect,
                               bool isDefault = false) {
    return {.id = id, .kind = ControlKind::PushButton, .caption = caption, .rect = rect,
            .visibleAtStart = kShown, .tabStop = true, .defaultButton = isDefault};
}

constexpr DialogControl text(ControlId id, MarkedText caption, DluRect rect,
                             TextAlign align, bool visible, ControlId buddy = ControlId::None) {
    return {.id = id, .kind = ControlKind::Text, .caption = caption, .rect = rect,
            .visibleAtStart = visible, .tabStop = false, .align = align, .buddy = buddy};
}

constexpr DialogControl edit(ControlId id, DluRect rect) {
    return {.id = id, .kind = ControlKind::Edit, .caption = {}, .rect = rect,
            .visibleAtStart = kHidden, .tabStop = true};
}

constexpr DialogControl combo(ControlId id, DluRect rect, bool sorted) {
    return {.id = id, .kind = ControlKind::ComboBox, .caption = {}, .rect = rect,
            .visibleAtStart = kHidden, .tabStop = true, .editableDropDown = true,
            .sorted = sorted};
}

constexpr DialogControl group(ControlId id, MarkedText caption, DluRect rect) {
    return {.id = id, .kind = ControlKind::GroupBox, .caption = caption, .rect = rect,
            .visibleAtStart = kHidden, .tabStop = false};
}

constexpr DialogControl picture(ControlId id, PictureId bitmap, DluRect rect, bool visible) {
    return {.id = id, .kind = ControlKind::Picture, .caption = {}, .rect = rect,
            .visibleAtStart = visible, .tabStop = false, .picture = bitmap};
}
// clang-format on

constexpr TextAlign L = TextAlign::Left;
constexpr TextAlign R = TextAlign::Right;
constexpr TextAlign C = TextAlign::Centre;

// Every caption is words the user reads, marked for translation and
// translated where the engine shows it. What a field starts with and what
// the lists offer are data the service reads; they are in form_fields.cpp
// and combo_lists.cpp and are never translated.
constexpr DialogControl kMainControls[] = {
    button(ControlId::CancelButton, TAVIMOR_TRANSLATE_NOOP("DialogTemplate", "Cancel"),
           {175, 199, 50, 12}),
    button(ControlId::HelpButton, TAVIMOR_TRANSLATE_NOOP("DialogTemplate", "&Help"),
           {236, 199, 48, 12}),
    // The tab control's caption is never shown, so it is not marked.
    // clang-format off
    {.id = ControlId::TabControl, .kind = ControlKind::TabControl,
     .caption = {"DialogTemplate", "Tab1"}, .rect = {7, 7, 342, 186}, .visibleAtStart = kShown,
     .tabStop = false},
    // clang-format on
    text(ControlId::NameLabel, TAVIMOR_TRANSLATE_NOOP("DialogTemplate", "Name"), {49, 48, 29, 12},
         R, kHidden, ControlId::NameEdit),
    edit(ControlId::NameEdit, {82, 48, 150, 12}),
    text(ControlId::EmailLabel, TAVIMOR_TRANSLATE_NOOP("DialogTemplate", "Email"), {47, 66, 31, 13},
         R, kHidden, ControlId::EmailEdit),
    edit(ControlId::EmailEdit, {82, 66, 150, 12}),
    text(ControlId::SiteNameLabel, TAVIMOR_TRANSLATE_NOOP("DialogTemplate", "Site Name"),
         {44, 81, 34, 12}, R, kHidden, ControlId::SiteNameEdit),
    edit(ControlId::SiteNameEdit, {82, 81, 150, 12}),
    text(ControlId::SiteUrlLabel, TAVIMOR_TRANSLATE_NOOP("DialogTemplate", "URL"), {49, 97, 29, 12},
         R, kHidden, ControlId::SiteUrlEdit),
    edit(ControlId::SiteUrlEdit, {82, 97, 150, 12}),
    text(ControlId::PasswordLabel,
         TAVIMOR_TRANSLATE_NOOP("DialogTemplate", "Password (for future modifications)"),
         {16, 132, 64, 25}, R, kHidden, ControlId::PasswordEdit),
    edit(ControlId::PasswordEdit, {82, 132, 150, 12}),
    text(ControlId::LogoImageText,
         TAVIMOR_TRANSLATE_NOOP(
             "DialogTemplate",
             "Please provide the URL of the image you want to use as your logo.  The required "
             "dimensions are 175 pixels wide by 60 pixels high.  The image should reside on your "
             "server and the path to  the image needs to be exact. "),
         {36, 37, 202, 33}, L, kHidden),
    text(ControlId::LogoImageExample,
         TAVIMOR_TRANSLATE_NOOP("DialogTemplate", "(i.e. http://www.yoursite.com/images/logo.gif)"),
         {55, 73, 162, 8}, L, kHidden, ControlId::LogoImageEdit),
    edit(ControlId::LogoImageEdit, {54, 83, 162, 14}),
    text(ControlId::LogoLinkText,
         TAVIMOR_TRANSLATE_NOOP(
             "DialogTemplate",
             "Please provide the URL that you want people to go to if they click on your logo."),
         {36, 118, 202, 16}, L, kHidden),
    text(ControlId::LogoLinkExample,
         TAVIMOR_TRANSLATE_NOOP("DialogTemplate", "(i.e. http://www.yoursite.com/index.html)"),
         {67, 141, 131, 13}, L, kHidden, ControlId::LogoLinkEdit),
    edit(ControlId::LogoLinkEdit, {55, 151, 160, 14}),
    group(ControlId::LogoImageGroup, TAVIMOR_TRANSLATE_NOOP("DialogTemplate", "IMAGE"),
          {27, 27, 215, 77}),
    group(ControlId::LogoLinkGroup, TAVIMOR_TRANSLATE_NOOP("DialogTemplate", "URL"),
          {27, 107, 215, 71}),
    text(ControlId::BackgroundColourLabel,
         TAVIMOR_TRANSLATE_NOOP("DialogTemplate", "Background Color"), {59, 50, 58, 13}, R, kHidden,
         ControlId::BackgroundColourCombo),
    combo(ControlId::BackgroundColourCombo, {120, 50, 112, 50}, false),
    text(ControlId::LinkColourLabel, TAVIMOR_TRANSLATE_NOOP("DialogTemplate", "Link Text Color"),
         {67, 67, 49, 12}, R, kHidden, ControlId::LinkColourCombo),
    combo(ControlId::LinkColourCombo, {120, 69, 112, 50}, true),
    text(ControlId::VisitedLinkColourLabel,
         TAVIMOR_TRANSLATE_NOOP("DialogTemplate", "Visited Link Text Color"), {44, 88, 73, 12}, R,
         kHidden, ControlId::VisitedLinkColourCombo),
    combo(ControlId::VisitedLinkColourCombo, {120, 88, 112, 49}, false),
    text(ControlId::ActiveLinkColourLabel,
         TAVIMOR_TRANSLATE_NOOP("DialogTemplate", "Active Link Text Color"), {47, 107, 70, 9}, R,
         kHidden, ControlId::ActiveLinkColourCombo),
    combo(ControlId::ActiveLinkColourCombo, {120, 107, 112, 49}, true),
    text(ControlId::ResultBarColourLabel,
         TAVIMOR_TRANSLATE_NOOP("DialogTemplate", "Search Result Bar Color"), {41, 125, 77, 11}, L,
         kHidden, ControlId::ResultBarColourCombo),
    combo(ControlId::ResultBarColourCombo, {120, 125, 112, 50}, true),
    text(ControlId::ResultBarTextColourLabel,
         TAVIMOR_TRANSLATE_NOOP("DialogTemplate", "Search Result Bar Text Color"),
         {26, 144, 91, 12}, L, kHidden, ControlId::ResultBarTextColourCombo),
    combo(ControlId::ResultBarTextColourCombo, {120, 144, 112, 51}, true),
    group(ControlId::Link2Group, TAVIMOR_TRANSLATE_NOOP("DialogTemplate", "LINK 2"),
          {34, 68, 202, 36}),
    text(ControlId::Link2TitleLabel, TAVIMOR_TRANSLATE_NOOP("DialogTemplate", "Title"),
         {50, 77, 25, 8}, R, kHidden, ControlId::Link2TitleEdit),
    edit(ControlId::Link2TitleEdit, {78, 75, 137, 12}),
    text(ControlId::Link2UrlLabel, TAVIMOR_TRANSLATE_NOOP("DialogTemplate", "Url"), {59, 90, 16, 9},
         R, kHidden, ControlId::Link2UrlEdit),
    edit(ControlId::Link2UrlEdit, {78, 89, 137, 12}),
    group(ControlId::Link3Group, TAVIMOR_TRANSLATE_NOOP("DialogTemplate", "LINK 3"),
          {34, 106, 202, 37}),
    text(ControlId::Link3TitleLabel, TAVIMOR_TRANSLATE_NOOP("DialogTemplate", "Title"),
         {62, 113, 26, 9}, L, kHidden, ControlId::Link3TitleEdit),
    edit(ControlId::Link3TitleEdit, {79, 113, 136, 12}),
    text(ControlId::Link3UrlLabel, TAVIMOR_TRANSLATE_NOOP("DialogTemplate", "Url"),
         {56, 128, 20, 8}, R, kHidden, ControlId::Link3UrlEdit),
    edit(ControlId::Link3UrlEdit, {79, 127, 136, 12}),
    group(ControlId::Link4Group, TAVIMOR_TRANSLATE_NOOP("DialogTemplate", "LINK 4"),
          {35, 144, 201, 37}),
    text(ControlId::Link4TitleLabel, TAVIMOR_TRANSLATE_NOOP("DialogTemplate", "Title"),
         {49, 151, 28, 8}, R, kHidden, ControlId::Link4TitleEdit),
    edit(ControlId::Link4TitleEdit, {80, 151, 134, 12}),
    text(ControlId::Link4UrlLabel, TAVIMOR_TRANSLATE_NOOP("DialogTemplate", "Url"),
         {54, 167, 22, 8}, R, kHidden, ControlId::Link4UrlEdit),
    edit(ControlId::Link4UrlEdit, {79, 165, 134, 12}),
    group(ControlId::Link1Group, TAVIMOR_TRANSLATE_NOOP("DialogTemplate", "LINK 1"),
          {34, 29, 202, 37}),
    text(ControlId::Link1TitleLabel, TAVIMOR_TRANSLATE_NOOP("DialogTemplate", "Title"),
         {48, 38, 26, 8}, R, kHidden, ControlId::Link1TitleEdit),
    edit(ControlId::Link1TitleEdit, {77, 36, 137, 12}),
    text(ControlId::Link1UrlLabel, TAVIMOR_TRANSLATE_NOOP("DialogTemplate", "Url"), {52, 50, 21, 8},
         R, kHidden, ControlId::Link1UrlEdit),
    edit(ControlId::Link1UrlEdit, {77, 50, 137, 12}),
    text(ControlId::TargetText,
         TAVIMOR_TRANSLATE_NOOP(
             "DialogTemplate",
             "Target your Customized Tavimor.  You can target your search engine by picking a "
             "category from the list or by typing a keyword that you want your search to always "
             "include."),
         {59, 42, 160, 45}, L, kHidden, ControlId::TargetCategoryCombo),
    combo(ControlId::TargetCategoryCombo, {80, 88, 97, 65}, false),
    edit(ControlId::KeywordEdit, {80, 120, 96, 12}),
    text(ControlId::KeywordLabel, TAVIMOR_TRANSLATE_NOOP("DialogTemplate", "Keyword"),
         {95, 105, 59, 8}, C, kHidden, ControlId::KeywordEdit),
    text(ControlId::SiteTypeLabel, TAVIMOR_TRANSLATE_NOOP("DialogTemplate", "Type of Site"),
         {39, 116, 39, 9}, R, kHidden, ControlId::SiteTypeCombo),
    combo(ControlId::SiteTypeCombo, {82, 115, 150, 53}, false),
    text(ControlId::CountryLabel,
         TAVIMOR_TRANSLATE_NOOP("DialogTemplate", "Country Code (2 digit code)"), {34, 150, 43, 18},
         R, kHidden, ControlId::CountryEdit),
    edit(ControlId::CountryEdit, {82, 149, 23, 12}),
    button(ControlId::SaveButton, TAVIMOR_TRANSLATE_NOOP("DialogTemplate", "Save"),
           {25, 199, 41, 12}),
    button(ControlId::LoadButton, TAVIMOR_TRANSLATE_NOOP("DialogTemplate", "Load"),
           {75, 199, 39, 12}),
    button(ControlId::SubmitButton, TAVIMOR_TRANSLATE_NOOP("DialogTemplate", "Submit"),
           {125, 199, 41, 12}),
    picture(ControlId::WelcomePicture, PictureId::WelcomeMouse, {18, 28, 87, 155}, kShown),
    picture(ControlId::TitlePicture, PictureId::TitleBanner, {111, 23, 123, 28}, kShown),
    text(ControlId::WelcomeText,
         TAVIMOR_TRANSLATE_NOOP(
             "DialogTemplate",
             "Would you like your own custom branded search engine? Tavimor allows you to create a "
             "custom branded, fully functional search engine (complete with content) for your site "
             "in minutes. This program is equipped with an easy to navigate interface."),
         {116, 56, 119, 69}, L, kShown),
    text(ControlId::InstructionsText,
         TAVIMOR_TRANSLATE_NOOP(
             "DialogTemplate",
             "In order to create your custom search engine, you need to fill all the fields in the "
             "various tabs and then click on the \"Submit\" button. HTML code will be generated "
             "that you will receive via email. Just paste that code on your site and VIOLA, "
             "you're done!!"),
         {116, 120, 119, 58}, L, kShown),
    picture(ControlId::ScreenShotPicture, PictureId::ResultsPage, {18, 29, 213, 157}, kHidden),
    // The same picture, smaller, in the room right of the colour boxes, so
    // that the colours show where they are picked.
    picture(ControlId::ColourSchemePreview, PictureId::ResultsPage, {244, 50, 98, 90}, kHidden),
    button(ControlId::NextButton, TAVIMOR_TRANSLATE_NOOP("DialogTemplate", "Next >>"),
           {256, 170, 37, 13}),
};

// The icon takes its own size; its rectangle gives only the position.
// clang-format off
constexpr DialogControl kAboutControls[] = {
    {.id = ControlId::Unaddressed, .kind = ControlKind::Icon, .caption = {},
     .rect = {11, 17, 0, 0}, .visibleAtStart = kShown, .tabStop = false,
     .picture = PictureId::AppIcon},
    text(ControlId::Unaddressed, TAVIMOR_TRANSLATE_NOOP("DialogTemplate", "Tavimor Version 1.0"),
         {40, 10, 119, 8}, L, kShown),
    text(ControlId::Unaddressed,
         TAVIMOR_TRANSLATE_NOOP("DialogTemplate", "Your own custom search engine"),
         {40, 25, 119, 8}, L, kShown),
    button(ControlId::OkButton, TAVIMOR_TRANSLATE_NOOP("DialogTemplate", "OK"), {178, 7, 50, 14},
           true),
};
// clang-format on

}  // namespace

const DialogTemplate kMainDialogTemplate = {TAVIMOR_TRANSLATE_NOOP("DialogTemplate", "Tavimor 1.1"),
                                            394, 218, kMainControls};

const DialogTemplate kAboutDialogTemplate = {
    TAVIMOR_TRANSLATE_NOOP("DialogTemplate", "About Tavimor"), 235, 55, kAboutControls};

}  // namespace tavimor
