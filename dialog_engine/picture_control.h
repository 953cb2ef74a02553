#pragma once

#include <QByteArray>
#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QSvgRenderer>
#include <QWidget>

#include <memory>
#include <vector>

#include "dialog_engine/svg_recolour.h"
#include "res/resource_ids.h"

namespace tavimor {

// Where a template's picture is compiled in; empty for an id that names no
// picture.
QString pictureResourcePath(PictureId picture);

// The application icon, for every window of the application. Qt's SVG icon
// engine draws it from its vector source at whatever size a title bar, task
// bar or switcher asks for, when it asks, so start-up draws nothing.
QIcon applicationIcon();

// The icon that marks a field, and its page's tab, where a likely mistake is
// pointed at: the icon theme's warning sign, or our own where the theme has
// none.
QIcon warningIcon();

// A picture or icon control of a dialog template. The picture is drawn from
// its vector source at whatever size the control has, so it stays sharp on
// any screen and with any dialog font; its proportions are kept, and a
// control whose shape differs a little from the picture's shows it centred.
// It is drawn once into a pixmap and repainted from there until the control's
// size or the picture's colours change; in its own colours, the pixmap is
// shared by every control that shows the picture at that size. A change of
// colour draws only the shapes of that colour again, and lays the parts
// drawn before over and under them.
class PictureControl final : public QWidget {
    Q_OBJECT

public:
    PictureControl(PictureId picture, QWidget* parent = nullptr);

    // False when the resource id names no picture or its source could not be
    // read; the control then shows an empty sunken frame in its place.
    bool hasPicture();

    // Shows the picture with the elements of each class in that class's
    // colour (see recolourSvg), from the next paint on. Colours equal to the
    // ones shown cost nothing.
    void setClassColours(ClassColours colours);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Once the picture is recoloured, it is drawn in parts: the shapes that
    // keep their colours below and above the recoloured ones, and one part
    // for each class.
    struct Part {
        QString className;  // empty for the parts that keep their colours
        QString colour;
        QSvgRenderer renderer;
        QPixmap drawn;
    };

    void load();
    void recolour();
    void draw();

    PictureId picture_;
    bool loaded_ = false;
    QByteArray source_;
    QByteArray markedSource_;  // the recoloured shapes alone, read once
    ClassColours colours_;
    bool recolourPending_ = false;
    QSvgRenderer renderer_;  // the whole picture, as long as it is not recoloured
    std::vector<std::unique_ptr<Part>> parts_;
    QPixmap drawn_;
};

}  // namespace tavimor
