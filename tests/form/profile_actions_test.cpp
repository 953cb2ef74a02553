#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <tuple>

#include "form/profile_naming.h"
#include "profile_samples.h"
#include "qt_test_support.h"
#include "res/dialog_templates.h"
#include "res/form_fields.h"
#include "standin_service.h"

namespace tavimor {
namespace {

using namespace testing_support;

// What a user might type: letters beyond ASCII, a long text, and combo
// texts in no list.
SiteProfile typedProfile() {
    SiteProfile profile;
    for (const ProfileField& field : kProfileFields) {
        profile.*field.member = std::string(field.key) + " Zoë & 日本 = 100%";
    }
    // Longer than the 32767 characters Qt's fields hold unless told otherwise.
    profile.email.assign(70000, 'e');
    profile.category_num.assign(40000, 'c');
    profile.bg_colour = "Mauve";
    profile.category = "Html  Support";
    return profile;
}

class ProfileFiles : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    QStringList filesHere() const { return QDir(dir.path()).entryList(QDir::Files); }

    void save(const QString& name) {
        prompts.filesToPick.push_back(path(name));
        dialog.OnSave();
    }
    void load(const QString& file) {
        prompts.filesToPick.push_back(file);
        dialog.OnLoad();
    }
    // Fills the controls with a profile of UTF-8 texts.
    void fillControls(const SiteProfile& profile) {
        for (const FormField& field : kFormFields) {
            setControlText(dialog, field.control, qs(profile.*field.member));
        }
    }
    std::map<ControlId, QString> controlTexts() const {
        std::map<ControlId, QString> texts;
        for (const FormField& field : kFormFields) {
            texts[field.control] = controlText(dialog, field.control);
        }
        return texts;
    }
    QTemporaryDir dir;
    RecordingPrompts prompts;
    CMainDialog dialog{prompts, testFolders(), "127.0.0.1:9"};
};

TEST_F(ProfileFiles, SavesWhatAnIndependentEncoderWrites) {
    save("fresh");
    ASSERT_EQ(prompts.fileDialogs.size(), 1u);  // in the profile folder, with its label
    EXPECT_EQ(prompts.fileDialogs[0].folder, testFolders().profiles);
    EXPECT_EQ(prompts.fileDialogs[0].filterLabel, "Data Files *.DAT");
    EXPECT_EQ(bytesOf(path("fresh.dat")), referenceEncoding(startProfile()));

    fillControls(typedProfile());
    save("typed.dat");
    EXPECT_EQ(bytesOf(path("typed.dat")), referenceEncoding(typedProfile()));
    EXPECT_EQ(filesHere(), QStringList({"fresh.dat", "typed.dat"}));
    EXPECT_TRUE(prompts.messages.empty());
}

// The chosen name gets ".dat" unless it holds one, case and all; only the
// name counts, not the folders above it. The file dialog asked about the
// name chosen, so replacing the ".dat" file of another name is asked first.
TEST_F(ProfileFiles, TheChosenNameGetsDotDatAndReplacingAnotherNamesFileIsAskedFirst) {
    const std::pair<QString, QString> names[] = {{"mysite", "mysite.dat"},
                                                 {"mysite.dat", "mysite.dat"},
                                                 {"MYSITE.DAT", "MYSITE.DAT.dat"},
                                                 {"a.dat.bak", "a.dat.bak"},
                                                 {"my.da", "my.da.dat"}};
    for (const auto& [chosen, written] : names) {
        for (const QString& file : filesHere()) QFile::remove(path(file));
        save(chosen);
        EXPECT_EQ(filesHere(), QStringList{written}) << chosen.toStdString();
    }
    EXPECT_EQ(profileSavePath("/p/x.dat.d/mysite"), "/p/x.dat.d/mysite.dat");

    writeBytes(path("mysite.dat"), "old");
    prompts.answers = {false, true};
    save("mysite");
    ASSERT_EQ(prompts.questions.size(), 1u);
    EXPECT_EQ(prompts.questions[0],
              QStringLiteral("\"%1\" already exists.\nDo you want to replace it?")
                  .arg(path("mysite.dat")));
    EXPECT_EQ(bytesOf(path("mysite.dat")), "old");

    save("mysite");
    EXPECT_EQ(bytesOf(path("mysite.dat")), referenceEncoding(startProfile()));
    save("mysite.dat");  // confirmed in the file dialog already
    save("other");
    EXPECT_EQ(prompts.questions.size(), 2u);
    EXPECT_TRUE(prompts.messages.empty());
}

// A load while on another page fills every control, the combo boxes' edit
// fields too, and changes neither the page, nor what shows, nor the lists.
// Texts from code-page systems (Windows-1252) show as the characters meant,
// survive Load and Save unedited byte for byte, an edit changes only its own
// field, and Submit sends what is shown as UTF-8.
TEST_F(ProfileFiles, LoadShowsEveryTextRightAndAnUneditedProfileSavesBackByteForByte) {
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    chooseTab(dialog, 4);
    const auto shownNow = [&] {
        std::map<ControlId, bool> shown;
        for (const DialogControl& c : kMainDialogTemplate.controls) {
            shown[c.id] = control(dialog, c.id)->isVisibleTo(&dialog);
        }
        return shown;
    };
    const std::map<ControlId, bool> shownBefore = shownNow();
    const int listBefore = controlAs<QComboBox>(dialog, ControlId::BackgroundColourCombo)->count();

    SiteProfile loaded = typedProfile();
    std::map<ControlId, QString> expected;
    for (const FormField& field : kFormFields) expected[field.control] = qs(loaded.*field.member);
    const std::tuple<std::string SiteProfile::*, ControlId, std::string, QString> codePage[] = {
        {&SiteProfile::user_name, ControlId::NameEdit, "Jos\xE9", qs("José")},
        // The five bytes the code page leaves unassigned read as C1 controls.
        {&SiteProfile::site_name, ControlId::SiteNameEdit, "\x80\x81\x8D\x8F\x90\x9D\x9F",
         qs("€\u0081\u008D\u008F\u0090\u009DŸ")},
        {&SiteProfile::bg_colour, ControlId::BackgroundColourCombo, "\x93quoted\x94 \x85",
         qs("“quoted” …")},
        {&SiteProfile::email, ControlId::EmailEdit, std::string("a\0b\xFF", 4),
         qs(std::string_view("a\0b\xC3\xBF", 5))},
        {&SiteProfile::country, ControlId::CountryEdit, "\r\n", qs("\r\n")},
        // Valid UTF-8 stays UTF-8, a byte-order mark included; a surrogate
        // is not valid UTF-8.
        {&SiteProfile::link2_title, ControlId::Link2TitleEdit, "caf\xC3\xA9 \xEF\xBB\xBF",
         qs("café \uFEFF")},
        {&SiteProfile::link3_title, ControlId::Link3TitleEdit, "\xED\xA0\x80", qs("í\u00A0€")},
    };
    for (const auto& [member, control, bytes, text] : codePage) {
        loaded.*member = bytes;
        expected[control] = text;
    }
    writeBytes(path("site.dat"), referenceEncoding(loaded));

    load(path("site.dat"));
    ASSERT_EQ(prompts.fileDialogs.size(), 1u);
    EXPECT_EQ(prompts.fileDialogs[0].purpose, FileDialogPurpose::Load);
    EXPECT_EQ(prompts.fileDialogs[0].filterLabel, "Data Files (*.dat)");
    ASSERT_TRUE(prompts.messages.empty());
    EXPECT_EQ(controlTexts(), expected);
    EXPECT_EQ(editLine(dialog, ControlId::PasswordEdit)->displayText(),
              expected[ControlId::PasswordEdit]);
    EXPECT_EQ(controlAs<QComboBox>(dialog, ControlId::BackgroundColourCombo)->count(), listBefore);
    EXPECT_EQ(tabBarOf(dialog)->currentIndex(), 4);
    EXPECT_EQ(shownNow(), shownBefore);

    save("again.dat");
    EXPECT_EQ(bytesOf(path("again.dat")), bytesOf(path("site.dat")));
    setControlText(dialog, ControlId::NameEdit, qs("Zoë"));
    save("edited.dat");
    SiteProfile edited = loaded;
    edited.user_name = "Zo\xC3\xAB";
    EXPECT_EQ(bytesOf(path("edited.dat")), referenceEncoding(edited));

    standin::StandinService service(standin::Scenario{});
    CMainDialog sender{prompts, testFolders(), service.hostAndPort()};
    prompts.filesToPick.push_back(path("site.dat"));
    sender.OnLoad();
    prompts.answers = {true};  // sent anyway, its odd texts pointed at
    ASSERT_TRUE(submitAndWait(sender));
    const auto requests = service.requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_NE(requests[0].body.find("&user_name=Jos%C3%A9&"), std::string::npos)
        << requests[0].body;
    EXPECT_NE(requests[0].body.find("&email=a%00b%C3%BF&"), std::string::npos) << requests[0].body;
    prompts.filesToPick.push_back(path("sent.dat"));
    sender.OnSave();
    EXPECT_EQ(bytesOf(path("sent.dat")), bytesOf(path("site.dat"))) << "Submit changed the bytes";
}

// A load that fails (a missing or a cut file), a save that fails and the
// cancelled dialogs change neither the record nor what the controls show nor
// any file. A failure says why in a sentence; the log gets the system's words.
TEST_F(ProfileFiles, AFailureOrACancelChangesNothingAndAFailureSaysWhy) {
    writeBytes(path("good.dat"), referenceEncoding(richProfile()));
    load(path("good.dat"));
    fillControls(typedProfile());  // typed after loading, not yet saved
    const std::map<ControlId, QString> typed = controlTexts();
    writeBytes(path("cut.dat"), referenceEncoding(richProfile()).substr(0, 300));
    LogRecorder log("tavimor.profile");
    load(path("missing.dat"));
    load(path("cut.dat"));
    load(QString());  // cancelled
    save("missing/site");
    dialog.OnSave();  // cancelled
    EXPECT_EQ(controlTexts(), typed);
    EXPECT_EQ(filesHere(), QStringList({"cut.dat", "good.dat"}));
    const std::vector<QString> expected = {
        QStringLiteral("Cannot load the profile \"%1\": there is no such file.")
            .arg(path("missing.dat")),
        QStringLiteral(
            "Cannot load the profile \"%1\": it ends in the middle of the field \"Site Name\".")
            .arg(path("cut.dat")),
        QStringLiteral("Cannot save the profile \"%1\": its folder does not exist.")
            .arg(path("missing/site.dat"))};
    EXPECT_EQ(prompts.messages, expected);
    ASSERT_EQ(log.lines.size(), 3u);
    EXPECT_TRUE(log.lines[0].startsWith(expected[0]) && log.lines[0].contains("open("));
    EXPECT_TRUE(log.lines[2].startsWith(expected[2]) &&
                log.lines[2].contains("No such file or directory"));
}

}  // namespace
}  // namespace tavimor
