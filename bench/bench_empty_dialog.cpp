// bench_empty_dialog: the least a window like ours costs, to measure the
// application's start-up and idle memory against (startup_compare.sh): an
// empty Qt dialog with the same seven tab labels and five buttons, built like
// the application and linking nothing else of ours but the probe that
// reports when its window is shown.
#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

#include "startup_probe.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    auto* tabs = new QTabBar(&dialog);
    for (const char* label : {"Welcome", "Screen Shot", "Contact Info", "Your Logo", "Color Scheme",
                              "Favorite Links", "Target Search"}) {
        tabs->addTab(QString::fromLatin1(label));
    }
    layout->addWidget(tabs);
    layout->addStretch();
    auto* buttons = new QHBoxLayout;
    for (const char* caption : {"Save", "Load", "Submit", "Cancel", "&Help"}) {
        buttons->addWidget(new QPushButton(QString::fromLatin1(caption), &dialog));
    }
    layout->addLayout(buttons);
    dialog.resize(770, 383);
    tavimor::installStartupProbeIfAsked();
    dialog.exec();
    return 0;
}
