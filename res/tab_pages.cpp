#include "res/tab_pages.h"

namespace tavimor {
namespace {

using enum ControlId;

constexpr ControlId kWelcome[] = {WelcomePicture, TitlePicture, WelcomeText, InstructionsText};
constexpr ControlId kScreenShot[] = {ScreenShotPicture};
constexpr ControlId kContactInfo[] = {
    NameLabel,     NameEdit,      EmailLabel,   EmailEdit,     SiteNameLabel,
    SiteNameEdit,  SiteUrlLabel,  SiteUrlEdit,  PasswordLabel, PasswordEdit,
    SiteTypeLabel, SiteTypeCombo, CountryLabel, CountryEdit,
};
constexpr ControlId kYourLogo[] = {
    LogoImageGroup, LogoImageText, LogoImageExample, LogoImageEdit,
    LogoLinkGroup,  LogoLinkText,  LogoLinkExample,  LogoLinkEdit,
};
constexpr ControlId kColorScheme[] = {
    BackgroundColourLabel, BackgroundColourCombo,    LinkColourLabel,
    LinkColourCombo,       VisitedLinkColourLabel,   VisitedLinkColourCombo,
    ActiveLinkColourLabel, ActiveLinkColourCombo,    ResultBarColourLabel,
    ResultBarColourCombo,  ResultBarTextColourLabel, ResultBarTextColourCombo,
    ColourSchemePreview,
};
constexpr ControlId kFavoriteLinks[] = {
    Link1Group, Link1TitleLabel, Link1TitleEdit, Link1UrlLabel, Link1UrlEdit,
    Link2Group, Link2TitleLabel, Link2TitleEdit, Link2UrlLabel, Link2UrlEdit,
    Link3Group, Link3TitleLabel, Link3TitleEdit, Link3UrlLabel, Link3UrlEdit,
    Link4Group, Link4TitleLabel, Link4TitleEdit, Link4UrlLabel, Link4UrlEdit,
};
constexpr ControlId kTargetSearch[] = {TargetText, KeywordLabel, TargetCategoryCombo, KeywordEdit};

}  // namespace

const std::array<TabPage, kTabPageCount> kTabPages = {{
    {TAVIMOR_TRANSLATE_NOOP("TabPage", "Welcome"), kWelcome, "welcome", "page-0-welcome.png"},
    {TAVIMOR_TRANSLATE_NOOP("TabPage", "Screen Shot"), kScreenShot, "screen-shot",
     "page-1-screen-shot.png"},
    {TAVIMOR_TRANSLATE_NOOP("TabPage", "Contact Info"), kContactInfo, "contact-info",
     "page-2-contact-info.png"},
    {TAVIMOR_TRANSLATE_NOOP("TabPage", "Your Logo"), kYourLogo, "your-logo",
     "page-3-your-logo.png"},
    {TAVIMOR_TRANSLATE_NOOP("TabPage", "Color Scheme"), kColorScheme, "color-scheme",
     "page-4-color-scheme.png"},
    {TAVIMOR_TRANSLATE_NOOP("TabPage", "Favorite Links"), kFavoriteLinks, "favorite-links",
     "page-5-favorite-links.png"},
    {TAVIMOR_TRANSLATE_NOOP("TabPage", "Target Search"), kTargetSearch, "target-search",
     "page-6-target-search.png"},
}};

int pageOf(ControlId control) {
    for (int page = 0; page < kTabPageCount; ++page) {
        for (ControlId onPage : kTabPages[page].controls) {
            if (onPage == control) return page;
        }
    }
    return -1;
}

}  // namespace tavimor
