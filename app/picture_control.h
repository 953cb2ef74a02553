#pragma once

#include <QIcon>
#include <QString>
#include <QSvgRenderer>
#include <QWidget>

namespace tavimor {

// Where the picture with a template's resource id (bitmaps 138, 142 and 144,
// icon 128) is compiled in; empty for an id that names no picture.
QString pictureResourcePath(int resourceId);

// Icon 128 as the window icon of every window of the application, drawn
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
    PictureControl(int resourceId, QWidget* parent = nullptr);

    int resourceId() const { return resourceId_; }

    // False when the resource id names no picture or its source could not be
    // read; the control then shows an empty sunken frame in its place.
    bool hasPicture() const { return renderer_.isValid(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int resourceId_;
    QSvgRenderer renderer_;
};

}  // namespace tavimor
