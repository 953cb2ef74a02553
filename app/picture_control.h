#pragma once

#include <QIcon>
#include <QString>
#include <QSvgRenderer>
#include <QWidget>

#include "res/resource_ids.h"

namespace tavimor {

// Where a template's picture is compiled in; empty for an id that names no
// picture.
QString pictureResourcePath(PictureId picture);

// The application icon as the window icon of every window of the application, drawn
// ahead of time at the sizes that title bars, task bars and switchers ask
// for, so that no image-format plugin is needed at run time.
QIcon applicationIcon();

// A picture or icon control of a dialog template. The picture is drawn from
// its vector source at whatever size the control has, so it stays sharp on
// any screen and with any dialog font; its proportions are kept, and a
// control whose shape differs a little from the picture's shows it centred.
class PictureControl final : public QWidget {
    Q_OBJECT

public:
    PictureControl(PictureId picture, QWidget* parent = nullptr);

    PictureId picture() const { return picture_; }

    // False when the resource id names no picture or its source could not be
    // read; the control then shows an empty sunken frame in its place.
    bool hasPicture() const { return renderer_.isValid(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PictureId picture_;
    QSvgRenderer renderer_;
};

}  // namespace tavimor
