#pragma once

#include <span>
#include <string_view>

#include "profile/translatable_text.h"
#include "res/resource_ids.h"

namespace tavimor {

// The dialogs' layouts as plain data: every control with its id, kind, caption
// and rectangle in dialog units, in template order. Template order is also the
// creation order, the Tab order and the stacking order of the controls.
// Dialog units are relative to the dialog font (a quarter of its average
// character width, an eighth of its height), so the layout keeps its
// proportions whatever font and screen it meets.

enum class ControlKind {
    PushButton,
    TabControl,
    Text,
    Edit,
    GroupBox,
    ComboBox,
    Picture,  // a bitmap, shown at the size of its control
    Icon,     // an icon, shown at the icon's own size
};

enum class TextAlign { Left, Right, Centre };

struct DluRect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
};

struct DialogControl {
    ControlId id;
    ControlKind kind;
    // The window text, translated where it is shown; the tab control's is
    // never shown.
    MarkedText caption;
    DluRect rect;
    bool visibleAtStart;
    bool tabStop;
    TextAlign align = TextAlign::Left;  // texts only
    bool editableDropDown = false;      // combo boxes: any text may be typed over the list
    bool sorted = false;                // combo boxes: list shown in alphabetical order
    bool defaultButton = false;         // push buttons: pressed by Enter anywhere in the dialog
    ControlId buddy = ControlId::None;  // texts: the control this text labels
    PictureId picture{};                // pictures and icons: the image shown
};

struct DialogTemplate {
    MarkedText caption;  // the window title
    int width;           // client area, dialog units
    int height;
    std::span<const DialogControl> controls;
};

// Template 102, the main dialog: 71 controls.
extern const DialogTemplate kMainDialogTemplate;

// Template 100, the About box.
extern const DialogTemplate kAboutDialogTemplate;

}  // namespace tavimor
