// Likely mistakes pointed at where they are: the field's mark with its
// tooltip and accessible description, and its page's tab.
#include <QAction>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "profile_samples.h"
#include "qt_test_support.h"
#include "res/form_fields.h"

namespace tavimor {
namespace {

using namespace testing_support;
using enum ControlId;

const QString kNotAnEmail = "This does not look like an e-mail address, such as jane@example.com.";

// The field's mark: its tooltip when it shows, or nothing.
std::optional<QString> markOf(const CMainDialog& dialog, ControlId id) {
    const QList<QAction*> actions = editLine(dialog, id)->actions();
    if (actions.size() > 1) return QString("(%1 marks)").arg(actions.size());
    if (actions.isEmpty() || !actions[0]->isVisible()) return std::nullopt;
    return actions[0]->toolTip();
}

// The tabs' tooltips, which count the marks on their pages.
QStringList tabCounts(const CMainDialog& dialog) {
    QStringList counts;
    for (int page = 0; page < kTabPageCount; ++page) counts << tabBarOf(dialog)->tabToolTip(page);
    return counts;
}

// A mark shows once the user leaves a field after changing it, and goes
// while typing as soon as the text is mended; after a Load and a Submit
// every field that breaks a rule is marked, a combo box's edit line too.
TEST(HintMarks, PointAtEachLikelyMistakeUntilItIsMended) {
    RecordingPrompts prompts;
    CMainDialog dialog{prompts, testFolders(), "127.0.0.1:9"};
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    const QStringList none(kTabPageCount, QString());
    for (const FormField& field : kFormFields)
        EXPECT_EQ(markOf(dialog, field.control), std::nullopt);
    EXPECT_EQ(tabCounts(dialog), none);

    chooseTab(dialog, 2);
    QLineEdit* email = editLine(dialog, EmailEdit);
    typeInto(email, "jane@example");
    EXPECT_EQ(markOf(dialog, EmailEdit), std::nullopt) << "marked while typing";
    control(dialog, NameEdit)->setFocus();
    EXPECT_EQ(markOf(dialog, EmailEdit), kNotAnEmail);
    EXPECT_EQ(email->accessibleDescription(), "Email: " + kNotAnEmail);
    EXPECT_EQ(tabCounts(dialog)[2], "1 field on this page may be mistyped.");
    EXPECT_FALSE(tabBarOf(dialog)->tabIcon(2).isNull());
    typeInto(email, "jane@example.com");
    EXPECT_EQ(markOf(dialog, EmailEdit), std::nullopt);
    EXPECT_EQ(email->accessibleDescription(), "");
    EXPECT_EQ(tabCounts(dialog), none);

    SiteProfile mistyped = startProfile();
    mistyped.country = "USA";
    mistyped.vlink_colour = "Pruple";
    QTemporaryDir dir;
    writeBytes(dir.filePath("mistyped.dat"), referenceEncoding(mistyped));
    prompts.filesToPick.push_back(dir.filePath("mistyped.dat"));
    dialog.OnLoad();
    EXPECT_EQ(markOf(dialog, CountryEdit),
              "This is not a two-letter country code, such as US, GB or DE.");
    EXPECT_EQ(
        markOf(dialog, VisitedLinkColourCombo),
        "The service does not know this colour and will use Midnight Blue (#2F2F4F) instead.");
    EXPECT_TRUE(control(dialog, VisitedLinkColourCombo)
                    ->accessibleDescription()
                    .startsWith("Visited Link Text Color: The service does not know"));
    QStringList counts = none;
    counts[2] = counts[4] = "1 field on this page may be mistyped.";
    EXPECT_EQ(tabCounts(dialog), counts);

    typeInto(control(dialog, SiteUrlEdit), "www.example.com");
    typeInto(control(dialog, Link2TitleEdit), "My blog");
    ASSERT_TRUE(submitAndWait(dialog));
    counts[2] = "2 fields on this page may be mistyped.";
    counts[5] = "1 field on this page may be mistyped.";
    EXPECT_EQ(tabCounts(dialog), counts);
    EXPECT_EQ(markOf(dialog, Link2UrlEdit), "This link has a title but no address.");
}

}  // namespace
}  // namespace tavimor
