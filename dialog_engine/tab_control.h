#pragma once

#include <QTabBar>
#include <QWidget>

namespace tavimor {

// The tab control of a dialog template: a row of tab labels across the top of
// its rectangle and a framed pane below them. The pane holds nothing; the
// pages' controls are the dialog's own children laid over it, so this widget
// only draws the frame and, through its tab bar, tells which tab is chosen.
class TabControl final : public QWidget {
    Q_OBJECT

public:
    explicit TabControl(QWidget* parent = nullptr);

    QTabBar* tabBar() const { return tabBar_; }

    // Appends a tab with the given label; returns its index.
    int addTab(const QString& label);

    // Gives the tab `index` the icon `mark` (a null icon for none) and the
    // tooltip `toolTip`. A tab that may be marked should be given a blank
    // icon of the same size while it is not, so that it keeps its width.
    void setTabMark(int index, const QIcon& mark, const QString& toolTip);

    // The area inside the frame, in this widget's coordinates.
    QRect paneRect() const;

    // Lays the row of tabs across the top at the height its style gives it.
    // Done on every resize and tab added; the dialog's layout asks again
    // once a change of style has reached the tab bar, which otherwise tells
    // nobody of its new height while it is hidden.
    void placeTabBar();

signals:
    // A tab was added, or got an icon: the row of tabs needs another width.
    void tabsChanged();

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QTabBar* tabBar_;
};

}  // namespace tavimor
