// The Screen Shot picture as a preview of the colours Submit sends, and the
// colour lists' swatches.
#include <QAbstractItemView>
#include <QApplication>
#include <QFile>
#include <QPainter>
#include <QStandardItemModel>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

#include "profile_samples.h"
#include "qt_test_support.h"
#include "res/colour_roles.h"
#include "res/form_fields.h"

namespace tavimor {
namespace {

using namespace testing_support;
using enum ControlId;

// Where each colour shows in the 320 x 255 picture, clear of the callouts:
// a patch of background, the glyphs of a link, a strip of the result bar.
const std::map<ControlId, QRectF> kRoleAreas = {
    {BackgroundColourCombo, {190, 178, 20, 12}}, {LinkColourCombo, {12, 119, 118, 8}},
    {VisitedLinkColourCombo, {12, 163, 70, 8}},  {ActiveLinkColourCombo, {12, 141, 85, 8}},
    {ResultBarColourCombo, {140, 100, 60, 3}},   {ResultBarTextColourCombo, {16, 103, 104, 8}},
};

// Some pixel of `area` (picture coordinates) in `image` of the picture control
// has `colour`, give or take the rounding of anti-aliased edges.
bool showsColour(const QImage& image, const QRectF& area, const QColor& colour) {
    const qreal scale = std::min(image.width() / 320.0, image.height() / 255.0);
    const QPointF origin((image.width() - 320 * scale) / 2, (image.height() - 255 * scale) / 2);
    const QRect pixels =
        QRectF(origin + area.topLeft() * scale, area.size() * scale).toAlignedRect();
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        for (int x = pixels.left(); x <= pixels.right(); ++x) {
            const QColor shown = image.pixelColor(x, y);
            if (std::max({std::abs(shown.red() - colour.red()),
                          std::abs(shown.green() - colour.green()),
                          std::abs(shown.blue() - colour.blue())}) <= 4) {
                return true;
            }
        }
    }
    return false;
}

enum class Entry { Picked, Typed, Loaded, StartText };

struct PreviewCase {
    const char* name;
    ControlId box;
    Entry entry;
    const char* text;
    const char* code;  // what Submit sends for it
};

void PrintTo(const PreviewCase& c, std::ostream* out) { *out << c.name; }

const PreviewCase kPreviewCases[] = {
    {"BackgroundPicked", BackgroundColourCombo, Entry::Picked, "Gold", "#FFCC35"},
    {"BackgroundSecondSpelling", BackgroundColourCombo, Entry::Typed, "orange", "#E47833"},
    {"LinkSecondSpellingOfChocolate", LinkColourCombo, Entry::Typed, "brown", "#6B4226"},
    {"LinkLoaded", LinkColourCombo, Entry::Loaded, "Green", "#008000"},
    {"LinkStartText", LinkColourCombo, Entry::StartText, "", "#236B8E"},
    {"VisitedMisspelled", VisitedLinkColourCombo, Entry::Typed, "Pruple", "#2F2F4F"},
    {"VisitedPicked", VisitedLinkColourCombo, Entry::Picked, "Mandarin Orange", "#E47833"},
    {"ActiveSecondSpellingOfLightWood", ActiveLinkColourCombo, Entry::Typed, "creme", "#E9C2A6"},
    {"BarPicked", ResultBarColourCombo, Entry::Picked, "Navy", "#000080"},
    {"BarTextTyped", ResultBarTextColourCombo, Entry::Typed, "yellow", "#FFFF00"},
};

class Preview : public ::testing::TestWithParam<PreviewCase> {};

// The picture is drawn once, the colour changed on the Color Scheme page (or
// loaded there), and the picture looked at again, and its copy beside the
// boxes too, where the colour was picked.
TEST_P(Preview, ShowsTheCodeSubmitSendsInItsRole) {
    const PreviewCase& c = GetParam();
    RecordingPrompts prompts;
    CMainDialog dialog(prompts, testFolders(), "127.0.0.1:9");
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QWidget* picture = control(dialog, ScreenShotPicture);
    chooseTab(dialog, 1);
    picture->grab();
    chooseTab(dialog, 4);
    auto* box = controlAs<QComboBox>(dialog, c.box);
    if (c.entry == Entry::Picked) {
        ASSERT_GE(box->findText(c.text), 0);
        box->setCurrentIndex(box->findText(c.text));
    } else if (c.entry == Entry::Typed) {
        typeInto(box, c.text);
    } else if (c.entry == Entry::Loaded) {
        SiteProfile profile = startProfile();
        for (const FormField& field : kFormFields) {
            if (field.control == c.box) profile.*field.member = c.text;
        }
        QTemporaryDir dir;
        writeBytes(dir.filePath("scheme.dat"), referenceEncoding(profile));
        prompts.filesToPick.push_back(dir.filePath("scheme.dat"));
        dialog.OnLoad();
        ASSERT_EQ(box->currentText(), c.text);
    }
    const QImage besideTheBoxes = control(dialog, ColourSchemePreview)->grab().toImage();
    EXPECT_TRUE(showsColour(besideTheBoxes, kRoleAreas.at(c.box), QColor(c.code)))
        << "no " << c.code << " beside the boxes";
    chooseTab(dialog, 1);
    EXPECT_TRUE(showsColour(picture->grab().toImage(), kRoleAreas.at(c.box), QColor(c.code)))
        << "no " << c.code << " where this box's colour shows";
}

INSTANTIATE_TEST_SUITE_P(Fields, Preview, ::testing::ValuesIn(kPreviewCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Each box's swatches come from its own table and show in the list only: a
// picked entry's square does not stay in the closed box under a name typed
// over it. The entries keep their texts, which is what a screen reader reads.
// A swatch shows even on a list of its own colour (White on a light one,
// Black on a dark one): a frame in the colour of the entry's text goes round
// it, in the row before the text.
TEST(ColourSwatches, EachEntryShowsTheCodeItsBoxSends) {
    const struct {
        ControlId box;
        const char* entry;
        const char* code;
    } kSwatches[] = {
        {BackgroundColourCombo, "Light Wood", "#E9C2A6"},
        {BackgroundColourCombo, "White", "#FFFFFF"},
        {LinkColourCombo, "Chocolate", "#6B4226"},
        {LinkColourCombo, "Midnight Blue", "#2F2F4F"},
        {LinkColourCombo, "Black", "#000000"},
    };
    RecordingPrompts prompts;
    CMainDialog dialog(prompts, testFolders(), "127.0.0.1:9");
    for (const auto& swatch : kSwatches) {
        auto* box = controlAs<QComboBox>(dialog, swatch.box);
        const int entry = box->findText(swatch.entry, Qt::MatchExactly | Qt::MatchCaseSensitive);
        ASSERT_GE(entry, 0) << swatch.entry;
        // Painted without its text, which is drawn in the frame's colour, on
        // a list of another colour, so that the square and its frame can be
        // told from the list.
        QStandardItemModel entryAlone(1, 1);
        entryAlone.setData(entryAlone.index(0, 0), box->itemData(entry, Qt::DecorationRole),
                           Qt::DecorationRole);
        QStyleOptionViewItem option;
        option.initFrom(box->view());
        option.rect = QRect(0, 0, 200, 24);
        option.decorationSize = box->iconSize();
        option.palette.setColor(QPalette::Text, Qt::red);
        QImage list(option.rect.size(), QImage::Format_RGB32);
        list.fill(QColor(1, 2, 3));
        QPainter painter(&list);
        box->itemDelegate()->paint(&painter, option, entryAlone.index(0, 0));
        painter.end();
        const auto pixelsOf = [&list](const QColor& colour) {
            int count = 0;
            for (int y = 0; y < list.height(); ++y) {
                for (int x = 0; x < list.width(); ++x) count += list.pixelColor(x, y) == colour;
            }
            return count;
        };
        const int w = option.decorationSize.width(), h = option.decorationSize.height();
        EXPECT_EQ(pixelsOf(Qt::red), 2 * (w + h) - 4) << swatch.entry << ": the frame round it";
        EXPECT_EQ(pixelsOf(QColor(swatch.code)), (w - 2) * (h - 2)) << swatch.entry;
        box->setCurrentIndex(entry);
        EXPECT_TRUE(box->itemIcon(entry).isNull()) << "a square in the closed box";
    }
}

}  // namespace
}  // namespace tavimor
