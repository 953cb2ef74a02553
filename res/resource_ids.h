#pragma once

namespace tavimor {

// Every control of the two dialog templates by what it is; the value is the
// control's id in its template. Code and tests name controls through this
// enum only, so a number stands in one place: here.
enum class ControlId : int {
    None = 0,  // no control: a text that labels nothing

    // Template 102, the main dialog: under the tab control, on every page.
    CancelButton = 2,
    HelpButton = 57670,
    TabControl = 1000,
    SaveButton = 1072,
    LoadButton = 1073,
    SubmitButton = 1074,
    NextButton = 1087,

    // Welcome.
    WelcomePicture = 1079,
    TitlePicture = 1080,
    WelcomeText = 1081,
    InstructionsText = 1082,

    // Screen Shot.
    ScreenShotPicture = 1086,

    // Contact Info.
    NameLabel = 1001,
    NameEdit = 1002,
    EmailLabel = 1003,
    EmailEdit = 1005,
    SiteNameLabel = 1006,
    SiteNameEdit = 1007,
    SiteUrlLabel = 1008,
    SiteUrlEdit = 1009,
    PasswordLabel = 1010,
    PasswordEdit = 1011,
    SiteTypeLabel = 1063,
    SiteTypeCombo = 1065,
    CountryLabel = 1066,
    CountryEdit = 1067,

    // Your Logo.
    LogoImageGroup = 1019,
    LogoImageText = 1013,
    LogoImageExample = 1014,
    LogoImageEdit = 1015,
    LogoLinkGroup = 1020,
    LogoLinkText = 1016,
    LogoLinkExample = 1017,
    LogoLinkEdit = 1018,

    // Color Scheme. The preview beside the boxes is the one control that is
    // not among the dialog's first seventy.
    ColourSchemePreview = 1088,
    BackgroundColourLabel = 1021,
    BackgroundColourCombo = 1023,
    LinkColourLabel = 1024,
    LinkColourCombo = 1025,
    VisitedLinkColourLabel = 1026,
    VisitedLinkColourCombo = 1027,
    ActiveLinkColourLabel = 1028,
    ActiveLinkColourCombo = 1029,
    ResultBarColourLabel = 1030,
    ResultBarColourCombo = 1031,
    ResultBarTextColourLabel = 1032,
    ResultBarTextColourCombo = 1033,

    // Favorite Links.
    Link1Group = 1050,
    Link1TitleLabel = 1051,
    Link1TitleEdit = 1052,
    Link1UrlLabel = 1053,
    Link1UrlEdit = 1054,
    Link2Group = 1035,
    Link2TitleLabel = 1036,
    Link2TitleEdit = 1037,
    Link2UrlLabel = 1038,
    Link2UrlEdit = 1039,
    Link3Group = 1040,
    Link3TitleLabel = 1041,
    Link3TitleEdit = 1042,
    Link3UrlLabel = 1043,
    Link3UrlEdit = 1044,
    Link4Group = 1045,
    Link4TitleLabel = 1046,
    Link4TitleEdit = 1047,
    Link4UrlLabel = 1048,
    Link4UrlEdit = 1049,

    // Target Search.
    TargetText = 1055,
    TargetCategoryCombo = 1056,
    KeywordLabel = 1058,
    KeywordEdit = 1057,

    // Template 100, the About box. Its texts and icon share the id that
    // marks a control nobody addresses.
    Unaddressed = -1,
    OkButton = 1,
};

// The pictures the templates show, by what they show; the value is the
// picture's resource id.
enum class PictureId : int {
    AppIcon = 128,
    WelcomeMouse = 138,
    ResultsPage = 142,
    TitleBanner = 144,
};

}  // namespace tavimor
