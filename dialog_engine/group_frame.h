#pragma once

#include <QGroupBox>

namespace tavimor {

// A group box drawn the way dialog templates expect: an etched frame whose top
// edge runs through the middle of the title. Styles that set the frame below
// the title would cut through the controls placed just under a group's top.
// The box only frames; the controls it surrounds are the dialog's children.
class GroupFrame final : public QGroupBox {
    Q_OBJECT

public:
    explicit GroupFrame(const QString& title, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tavimor
